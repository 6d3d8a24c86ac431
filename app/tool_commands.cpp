#include "app/tool_commands.h"

#include <cstring>

#include "commands/file_commands.h"
#include "commands/object_commands.h"
#include "commands/shell_commands.h"
#include "commands/system_commands.h"
#include "commands/text_commands.h"
#include "components/common_dialog.h"
#include "runtime/array_block.h"
#include "runtime/library_call.h"
#include "runtime/value.h"

namespace velmora::tool {
namespace {

ValueRecord Integer(int32_t value) {
    return {static_cast<uint32_t>(value), 0, kTypeInteger};
}

// Program code passes an empty text as a pointer to an empty string, never as null.
ValueRecord TextArgument(const char* text) {
    return {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text ? text : "")), 0, kTypeText};
}

ValueRecord DateTime(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), kTypeDateTime};
}

template <size_t N>
ValueRecord Core(LibraryCommand command, ValueRecord (&&args)[N]) {
    return CallLibraryCommandB(command, N, args);
}

ValueRecord Core(LibraryCommand command) {
    return CallLibraryCommandB(command, 0, nullptr);
}

template <size_t N>
ValueRecord Shell(LibraryCommand command, ValueRecord (&&args)[N]) {
    return CallLibraryCommandA(command, N, args);
}

template <size_t N>
ValueRecord ObjectLibrary(LibraryCommand command, ValueRecord (&&args)[N]) {
    return CallLibraryCommandA(command, N, args);
}

// Object commands take the program's object variable by reference.
ValueRecord ObjectReference(ObjectValue* variable) {
    return {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(variable)), 0, kTypeObject | kReferenceFlag};
}

Text OwnedText(const ValueRecord& result) {
    return Text(reinterpret_cast<char*>(static_cast<uintptr_t>(result.low)));
}

int32_t IntegerOf(const ValueRecord& result) {
    return static_cast<int32_t>(result.low);
}

bool BooleanOf(const ValueRecord& result) {
    return result.low != 0;
}

}  // namespace

int32_t ScreenWidth() noexcept {
    return IntegerOf(Core(velmora::ScreenWidth));
}

int32_t ScreenHeight() noexcept {
    return IntegerOf(Core(velmora::ScreenHeight));
}

int32_t InfoBox(const char* text, int32_t flags) noexcept {
    return IntegerOf(Core(velmora::InfoBox, {TextArgument(text), Integer(flags)}));
}

int32_t InfoBox(const char* text, int32_t flags, const char* caption) noexcept {
    return IntegerOf(Core(velmora::InfoBox, {TextArgument(text), Integer(flags), TextArgument(caption)}));
}

double CurrentTime() noexcept {
    const ValueRecord result = Core(velmora::CurrentTime);
    const uint64_t bits = static_cast<uint64_t>(result.high) << 32 | result.low;
    double value = 0;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

Text ToText(int32_t value) noexcept {
    return OwnedText(Core(velmora::ToText, {Integer(value)}));
}

Text DateTimeText(double dateTime) noexcept {
    return OwnedText(Core(velmora::ToText, {DateTime(dateTime)}));
}

Text BytesText(const char* bytes, int32_t length) noexcept {
    const ValueRecord data = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(NewBytes(bytes, length))), 0,
                              kTypeBytes};
    const HeapBlock<uint8_t> owned(reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(data.low)));
    const HeapBlock<uint8_t> left(
        reinterpret_cast<uint8_t*>(static_cast<uintptr_t>(Core(velmora::BytesLeft, {data, Integer(length)}).low)));
    const ValueRecord leftRecord = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(left.get())), 0, kTypeBytes};
    return OwnedText(Core(velmora::ToText, {leftRecord}));
}

int32_t ToInteger(const char* text) noexcept {
    return IntegerOf(Core(velmora::ToInteger, {TextArgument(text)}));
}

Text TextLeft(const char* text, int32_t count) noexcept {
    return OwnedText(Core(velmora::TextLeft, {TextArgument(text), Integer(count)}));
}

int32_t FindTextBackward(const char* text, const char* sought) noexcept {
    return IntegerOf(Core(velmora::FindTextBackward, {TextArgument(text), TextArgument(sought)}));
}

int32_t BitAnd(int32_t left, int32_t right) noexcept {
    return IntegerOf(Core(velmora::BitAnd, {Integer(left), Integer(right)}));
}

int32_t BitOr(int32_t left, int32_t right) noexcept {
    return IntegerOf(Core(velmora::BitOr, {Integer(left), Integer(right)}));
}

std::vector<Text> SplitText(const char* text, const char* separator) noexcept {
    void* array = reinterpret_cast<void*>(
        static_cast<uintptr_t>(Core(velmora::SplitText, {TextArgument(text), TextArgument(separator)}).low));
    std::vector<Text> parts;
    const uint32_t count = ElementCount(array);
    auto** elements = static_cast<char**>(ArrayElements(array));
    for (uint32_t i = 0; i < count; ++i)
        parts.emplace_back(elements[i]);
    // The elements now belong to parts; only the block itself is left to free.
    HeapRelease(array);
    return parts;
}

bool FileExists(const char* path) noexcept {
    return BooleanOf(Core(velmora::FileExists, {TextArgument(path)}));
}

int32_t FileAttributes(const char* path) noexcept {
    return IntegerOf(Core(velmora::FileAttributes, {TextArgument(path)}));
}

bool MakeDirectory(const char* path) noexcept {
    return BooleanOf(Core(velmora::MakeDirectory, {TextArgument(path)}));
}

int32_t OpenFile(const char* path, int32_t openMode, int32_t shareMode) noexcept {
    return IntegerOf(Core(velmora::OpenFile, {TextArgument(path), Integer(openMode), Integer(shareMode)}));
}

void CloseFile(int32_t file) noexcept {
    Core(velmora::CloseFile, {Integer(file)});
}

bool SeekToEnd(int32_t file) noexcept {
    return BooleanOf(Core(velmora::SeekToEnd, {Integer(file)}));
}

Text ReadLine(int32_t file) noexcept {
    return OwnedText(Core(velmora::ReadLine, {Integer(file)}));
}

bool WriteLines(int32_t file, const char* line) noexcept {
    return BooleanOf(Core(velmora::WriteLines, {Integer(file), TextArgument(line)}));
}

bool CommonDialogOpen(uint32_t windowId, uint32_t componentId) noexcept {
    return BooleanOf(Core(velmora::CommonDialogOpenCommand, {ValueRecord{windowId, componentId, kTypeInteger}}));
}

Text ShortcutTarget(const char* linkPath) noexcept {
    return OwnedText(Shell(velmora::ShortcutTarget, {TextArgument(linkPath)}));
}

Text BrowseForFolder(const char* title) noexcept {
    return OwnedText(Shell(velmora::BrowseForFolder, {TextArgument(title), ValueRecord{0, 0, kTypeNone}}));
}

Text SpecialFolderPath(int32_t id) noexcept {
    return OwnedText(Shell(velmora::SpecialFolderPath, {Integer(id)}));
}

void Delay(int32_t milliseconds) noexcept {
    Shell(velmora::Delay, {Integer(milliseconds)});
}

Object& Object::operator=(Object&& other) noexcept {
    if (this != &other) {
        Clear();
        value_ = std::exchange(other.value_, ObjectValue{});
    }
    return *this;
}

bool Object::IsEmpty() noexcept {
    return BooleanOf(ObjectLibrary(velmora::ObjectIsEmpty, {ObjectReference(&value_)}));
}

void Object::Clear() noexcept {
    ObjectLibrary(velmora::ObjectClear, {ObjectReference(&value_)});
}

bool ObjectCreate(Object& object, const char* className, const char* typeLibrary) noexcept {
    return BooleanOf(ObjectLibrary(velmora::ObjectCreate, {ObjectReference(object.variable()), TextArgument(className),
                                                           TextArgument(typeLibrary)}));
}

Object ObjectCallForObject(Object& object, const char* method, const char* argument) noexcept {
    const ValueRecord result =
        argument
            ? ObjectLibrary(velmora::ObjectCallForObject,
                            {ObjectReference(object.variable()), TextArgument(method), TextArgument(argument)})
            : ObjectLibrary(velmora::ObjectCallForObject, {ObjectReference(object.variable()), TextArgument(method)});
    // The result owns one reference, which the new object takes over.
    Object returned;
    *returned.variable() = {reinterpret_cast<IUnknown*>(static_cast<uintptr_t>(result.low)),
                            reinterpret_cast<void*>(static_cast<uintptr_t>(result.high))};
    return returned;
}

bool ObjectSetProperty(Object& object, const char* name, const char* text) noexcept {
    return BooleanOf(ObjectLibrary(velmora::ObjectSetProperty,
                                   {ObjectReference(object.variable()), TextArgument(name), TextArgument(text)}));
}

}  // namespace velmora::tool
