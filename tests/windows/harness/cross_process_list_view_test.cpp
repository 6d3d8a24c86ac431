// The harness can reach the stand-in's list view from another process the way Velmora does: item
// records and texts in buffers allocated inside the shell's process.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/desktop/list_view_records.h"
#include "app/desktop/remote_buffer.h"
#include "tests/support/standin_client.h"

namespace velmora::test {
namespace {

constexpr size_t kTextBytes = 512;

struct RemoteItem {
    std::string caption;
    RECT bounds = {};
};

template <typename Record>
std::optional<RemoteItem> ReadRemoteItem(HWND list, HANDLE process, int index) {
    RemoteBuffer record = RemoteBuffer::Allocate(process, sizeof(Record));
    RemoteBuffer text = RemoteBuffer::Allocate(process, kTextBytes);
    RemoteBuffer rect = RemoteBuffer::Allocate(process, sizeof(RECT));
    if (!record || !text || !rect)
        return std::nullopt;
    Record item = {};
    item.textMax = kTextBytes;
    item.text = static_cast<decltype(item.text)>(text.address());
    DWORD_PTR length = 0;
    if (!record.Write(&item, sizeof(item)) ||
        !SendMessageTimeoutA(list, LVM_GETITEMTEXTA, index, static_cast<LPARAM>(record.address()), SMTO_ABORTIFHUNG,
                             5000, &length))
        return std::nullopt;
    char caption[kTextBytes] = {};
    if (!text.Read(caption, sizeof(caption)))
        return std::nullopt;
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    DWORD_PTR ok = 0;
    if (!rect.Write(&bounds, sizeof(bounds)) ||
        !SendMessageTimeoutA(list, LVM_GETITEMRECT, index, static_cast<LPARAM>(rect.address()), SMTO_ABORTIFHUNG, 5000,
                             &ok) ||
        !ok || !rect.Read(&bounds, sizeof(bounds)))
        return std::nullopt;
    return RemoteItem{std::string(caption, length), bounds};
}

struct BitnessCase {
    const char* name;
    StandInDesktop::Bits bits;
    std::optional<RemoteItem> (*read)(HWND, HANDLE, int);
};

class CrossProcessListView : public testing::TestWithParam<BitnessCase> {};

TEST_P(CrossProcessListView, ReadsEveryItemAndMovesOne) {
    const std::vector<FixtureIcon> fixture = {{"回收站", 20, 20}, {"项目 文件夹", 200, 120}, {"a.lnk 目标", 420, 60}};
    auto desktop = StandInDesktop::Start({}, fixture, GetParam().bits);
    ASSERT_TRUE(desktop);
    const HWND top = FindWindowExA(nullptr, nullptr, "WorkerW", "");
    const HWND defView = FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr);
    const HWND list = FindWindowExA(defView, nullptr, "SysListView32", nullptr);
    ASSERT_NE(list, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    ASSERT_EQ(processId, desktop->process().id());
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
                    FALSE, processId);
    ASSERT_NE(process, nullptr);

    auto expected = desktop->Report();
    ASSERT_TRUE(expected);
    ASSERT_EQ(expected->size(), fixture.size());
    for (const StandInItem& want : *expected) {
        auto got = GetParam().read(list, process, want.index);
        ASSERT_TRUE(got) << "item " << want.index;
        EXPECT_EQ(got->caption, want.caption);
        EXPECT_TRUE(EqualRect(&got->bounds, &want.bounds)) << want.caption;
    }

    DWORD_PTR moved = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(list, LVM_SETITEMPOSITION, 1, MAKELPARAM(640, 480), SMTO_ABORTIFHUNG, 5000, &moved));
    auto after = desktop->Report();
    ASSERT_TRUE(after);
    EXPECT_EQ((*after)[1].position.x, 640);
    EXPECT_EQ((*after)[1].position.y, 480);
    EXPECT_EQ((*after)[0].position.x, fixture[0].x);
    CloseHandle(process);
}

INSTANTIATE_TEST_SUITE_P(
    ShellBitness,
    CrossProcessListView,
    testing::Values(BitnessCase{"Shell64", StandInDesktop::Bits::k64, &ReadRemoteItem<ListViewItem64>},
                    BitnessCase{"Shell32", StandInDesktop::Bits::k32, &ReadRemoteItem<ListViewItem32>}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
