// A program on the runtime frame with the forms engine and a form of its own. Its first argument picks
// a scenario, its second names the file it reports to; the forms tests start it and read the report.
#include <windows.h>

#include <cstdio>
#include <string>

#include "runtime/entry_points.h"
#include "runtime/event_record.h"
#include "runtime/forms/font_property.h"
#include "runtime/forms/form_menu.h"
#include "runtime/forms/forms_window_engine.h"
#include "runtime/forms/linked_template_data.h"
#include "runtime/heap.h"
#include "runtime/program_header.h"
#include "runtime/runtime_service.h"
#include "runtime/unit_interface.h"
#include "tests/support/probe_report.h"
#include "tests/windows/forms/probe_routines.h"
#include "tests/windows/forms/probe_units.h"

namespace velmora {

extern const CompiledForm kProbeForm;

namespace {

constexpr uint32_t kProbeWindow = 0x52010001;
constexpr uint32_t kDialogWindow = 0x52010002;
constexpr uint32_t kFirst = 0x16010101;
constexpr uint32_t kHidden = 0x16010102;
constexpr uint32_t kSecond = 0x16010103;
constexpr uint32_t kUnbound = 0x16010104;
constexpr uint32_t kGroup = 0x16010105;
constexpr uint32_t kInGroup = 0x16010106;
constexpr uint32_t kOnPageTwo = 0x16010107;
constexpr uint32_t kMenuItemIndex = 8;
constexpr uint32_t kComponents[] = {kFirst, kHidden, kSecond, kUnbound, kGroup, kInGroup, kOnPageTwo};

enum Common : int32_t { kLeft = 0, kWidth = 2, kTag = 4, kVisible = 5 };

int32_t ProbeEntry();

const LinkedTemplateData kTemplateData(kProbeForm, reinterpret_cast<const void*>(&ProbeEntry));
const LibraryDescriptor* const kLibraries[] = {&forms_probe::kProbeLibrary};

uint32_t Address(const void* pointer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

ComponentObject* Object(uint32_t windowId, uint32_t componentId) {
    return reinterpret_cast<ComponentObject*>(static_cast<uintptr_t>(RuntimeService(2006, windowId, componentId)));
}

HWND Handle(uint32_t windowId, uint32_t componentId) {
    const ComponentObject* object = Object(windowId, componentId);
    return object != nullptr ? object->window : nullptr;
}

int32_t Read(uint32_t componentId, int32_t number, int32_t element = 0) {
    return static_cast<int32_t>(kEntryPoints.readProperty(kProbeWindow, componentId, number, element));
}

void Write(uint32_t componentId, int32_t number, int32_t value, int32_t element = 0) {
    kEntryPoints.writeProperty(kProbeWindow, componentId, number, element, static_cast<uint32_t>(value), 0);
}

std::string TakeText(uint32_t low) {
    auto* text = reinterpret_cast<char*>(static_cast<uintptr_t>(low));
    std::string copy = text != nullptr ? text : "";
    HeapRelease(text);
    return copy;
}

std::string ReadText(uint32_t componentId, int32_t number, int32_t element = 0) {
    return TakeText(static_cast<uint32_t>(kEntryPoints.readProperty(kProbeWindow, componentId, number, element)));
}

void WriteText(uint32_t componentId, int32_t number, const char* text, int32_t element = 0) {
    char* copy = NewText(text);
    kEntryPoints.writeProperty(kProbeWindow, componentId, number, element, Address(copy), 0);
    HeapRelease(copy);
}

std::string WindowText(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

int32_t RaiseEvent(uint32_t windowId, uint32_t componentId, int32_t event, EventRecord* out = nullptr) {
    EventRecord record{windowId, componentId, event, 0, {}, 0, 0};
    const int32_t called = RuntimeService(2008, Address(&record), 0);
    if (out != nullptr) {
        *out = record;
    }
    return called;
}

void CloseProbeWindow() {
    DestroyWindow(Handle(kProbeWindow, 0));
}

std::string ChildCaptions(HWND parent) {
    std::string captions;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        captions += WindowText(child) + ",";
    }
    return captions;
}

void ReportOrder() {
    HWND form = Handle(kProbeWindow, 0);
    Report("z:" + ChildCaptions(form) + " g:" + ChildCaptions(Handle(kProbeWindow, kGroup)) + " v:");
    for (const uint32_t component : kComponents) {
        Report(IsWindowVisible(Handle(kProbeWindow, component)) ? "1" : "0");
    }
    Report(std::string(" w:") + (IsWindowVisible(form) ? "1" : "0") + " p:" + std::to_string(Read(kHidden, kVisible)) +
           " n:" + std::to_string(RuntimeService(2032, 0, 0)));
}

void ReportRestore() {
    Write(kFirst, kLeft, 77);
    WriteText(kFirst, forms_probe::kCaption, "changed");
    WriteText(kFirst, kTag, "新标记");
    Write(kHidden, kVisible, 1);
    Report(" a:" + std::to_string(Read(kFirst, kLeft)) + "," + ReadText(kFirst, forms_probe::kCaption) + "," +
           ReadText(kFirst, kTag) + "," + std::to_string(Read(kHidden, kVisible)));
    CloseProbeWindow();
    Report(" d:" + std::to_string(RuntimeService(2032, 0, 0)) + "," + std::to_string(Read(kFirst, kLeft)));
    kEntryPoints.loadStartupWindow(kProbeWindow);
    Report(" b:" + std::to_string(Read(kFirst, kLeft)) + "," + ReadText(kFirst, forms_probe::kCaption) + "," +
           ReadText(kFirst, kTag) + "," + std::to_string(Read(kHidden, kVisible)));
}

void ReportReuse() {
    HWND first = Handle(kProbeWindow, 0);
    ShowWindow(first, SW_MINIMIZE);
    kEntryPoints.loadStartupWindow(kProbeWindow);
    Report(std::string(" r:") + (IsIconic(first) ? "1" : "0") +
           (Handle(kProbeWindow, 0) == first ? " same " : " new ") + std::to_string(RuntimeService(2032, 0, 0)));
}

void ReportEvents() {
    Report(" u" + std::to_string(RaiseEvent(kProbeWindow, kUnbound, 0)) + " ");
    EventRecord record{};
    const int32_t called = RaiseEvent(kProbeWindow, kFirst, 0, &record);
    Report("f" + std::to_string(called) + "r" + std::to_string(record.hasResult) + " ");
    Report("s" + std::to_string(RaiseEvent(kProbeWindow, kSecond, 0)) + " ");
    Report("w" + std::to_string(RaiseEvent(kProbeWindow, 0, 5)) + " ");
    RuntimeService(2009, 0, 0);
    const int32_t nested = RaiseEvent(kProbeWindow, kFirst, 0);
    RuntimeService(2010, 0, 0);
    uint32_t source[2] = {};
    Report("n" + std::to_string(nested) + " o" + std::to_string(RuntimeService(2017, Address(source), 0)) + " ");
    SendMessageA(Handle(kProbeWindow, kUnbound), BM_CLICK, 0, 0);
    SendMessageA(Handle(kProbeWindow, kFirst), BM_CLICK, 0, 0);
    SendMessageA(Handle(kProbeWindow, 0), WM_COMMAND, MenuCommandId(kMenuItemIndex), 0);
}

void ReportClamping() {
    Write(kFirst, kLeft, 40000);
    Write(kFirst, kWidth, -5);
    Write(kSecond, kLeft, -40000);
    Report("c:" + std::to_string(Read(kFirst, kLeft)) + "," + std::to_string(Read(kFirst, kWidth)) + "," +
           std::to_string(Read(kSecond, kLeft)));
    kEntryPoints.loadStartupWindow(kProbeWindow);
    Write(kUnbound, kLeft, 40000);
    Write(kUnbound, kWidth, -5);
    Report(" l:" + std::to_string(Read(kUnbound, kLeft)) + "," + std::to_string(Read(kUnbound, kWidth)));
}

void ReportUnitProperties() {
    using namespace forms_probe;
    WriteText(kFirst, kCaption, "abc");
    Report("t:" + ReadText(kFirst, kCaption) + "," + WindowText(Handle(kProbeWindow, kFirst)));
    Write(kFirst, kFlag, 2);
    Report(" f:" + std::to_string(Read(kFirst, kFlag)));
    Write(kFirst, kCount, -5);
    const int32_t negative = Read(kFirst, kCount);
    Write(kFirst, kCount, 7);
    Report(" n:" + std::to_string(negative) + "," + std::to_string(Read(kFirst, kCount)));
    Report(std::string(" face:") + (ReadText(kFirst, kFont, 6).empty() ? "empty" : "set"));
    WriteText(kFirst, kFont, "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ", 6);
    Write(kFirst, kFont, 12, 5);
    Write(kFirst, kFont, 1, 1);
    Report(" font:" + ReadText(kFirst, kFont, 6) + "," + std::to_string(Read(kFirst, kFont, 5)) + "," +
           std::to_string(Read(kFirst, kFont, 1)));
    auto* whole = reinterpret_cast<FontDescription*>(
        static_cast<uintptr_t>(kEntryPoints.readProperty(kProbeWindow, kFirst, kFont, kWholeFont)));
    Report(" d:" + std::to_string(whole->bold) + "," + std::to_string(whole->points) + "," +
           TakeText(Address(whole->faceName)));
    HeapRelease(whole);
    Write(kFirst, kLayoutAgain, 1);
    Report(" y:" + std::to_string(LayoutRequests()));
    void* object = Object(kProbeWindow, kFirst);
    Report(" o:" + TakeText(static_cast<uint32_t>(
                       kEntryPoints.supportDispatch(kSupportReadUnitProperty, 0x0001000Bu, object, kCaption, 0))));
}

void ReportModal() {
    const uint32_t request[3] = {kDialogWindow, 0, 1};
    RuntimeService(2005, Address(request), 0);
    HWND main = Handle(kProbeWindow, 0);
    HWND dialog = Handle(kDialogWindow, 0);
    Report("m:" + std::to_string(IsWindowEnabled(main)) + "," + std::to_string(IsWindowVisible(dialog)) + "," +
           std::to_string(RuntimeService(2032, 0, 0)));
    DestroyWindow(dialog);
    Report("," + std::to_string(IsWindowEnabled(main)) + "," + std::to_string(RuntimeService(2032, 0, 0)));
}

// Scenarios that end in a run-time error report.
void RunFailure(const std::string& scenario) {
    if (scenario == "closed-read") {
        CloseProbeWindow();
        Read(kFirst, forms_probe::kCaption);
    } else if (scenario == "closed-write") {
        CloseProbeWindow();
        Write(kFirst, forms_probe::kCount, 1);
    } else if (scenario == "unknown-window") {
        kEntryPoints.readProperty(0x52010077, 0, kLeft, 0);
    } else if (scenario == "unknown-event-window") {
        RaiseEvent(0x52010077, 0, 0);
    } else if (scenario == "unknown-event-component") {
        RaiseEvent(kProbeWindow, 0x16010177, 0);
    } else if (scenario == "no-object") {
        RuntimeService(2007, kProbeWindow, 0x16010177);
    }
    Report("survived");
}

void RunScenario(const std::string& scenario) {
    if (scenario == "clamp") {
        ReportClamping();
        CloseProbeWindow();
        return;
    }
    kEntryPoints.loadStartupWindow(kProbeWindow);
    if (scenario == "order") {
        ReportOrder();
    } else if (scenario == "restore") {
        ReportRestore();
    } else if (scenario == "reuse") {
        ReportReuse();
    } else if (scenario == "events") {
        ReportEvents();
    } else if (scenario == "units") {
        ReportUnitProperties();
    } else if (scenario == "modal") {
        ReportModal();
    } else {
        RunFailure(scenario);
    }
    CloseProbeWindow();
}

int32_t ProbeEntry() {
    if (__argc >= 3) {
        SetReportFile(__argv[2]);
    }
    kEntryPoints.supportDispatch(kSupportInitRuntime);
    RunScenario(__argc >= 2 ? __argv[1] : "");
    kEntryPoints.runMessageLoop();
    return 0;
}

const ProgramHeader kHeader = {
    3,
    0,
    0x10499,
    reinterpret_cast<const void*>(&ProbeEntry),
    nullptr,
    0,
    kTemplateData.Data(),
    kTemplateData.Size(),
    1,
    kLibraries,
    0,
    nullptr,
    nullptr,
};

}  // namespace

const ProgramImage kProgramImage = {&kHeader, ProbeEntry, &kFormsWindowEngine};

}  // namespace velmora
