#include <gtest/gtest.h>

#include <string>

#include "runtime/forms/identifiers.h"
#include "runtime/forms/template_reader.h"
#include "tests/native/forms/template_samples.h"

namespace velmora::forms_test {
namespace {

constexpr uint32_t kCodeBase = 0x00400000;

class LoadedSample : public testing::Test {
  protected:
    void SetUp() override {
        collection_ = ReadTemplateData(SampleBytes(), kCodeBase);
        ASSERT_TRUE(collection_);
        window_ = collection_->FindTemplate(kSampleWindow);
        ASSERT_NE(window_, nullptr);
    }

    std::vector<ComponentFields> Fields() const { return SampleWindows()[0].components; }

    std::optional<TemplateCollection> collection_;
    WindowTemplate* window_ = nullptr;
};

TEST_F(LoadedSample, RestoringThePristineCopyUndoesEveryRunTimeChange) {
    ASSERT_TRUE(window_->TakePristineCopy());
    ComponentRecord* label = window_->FindComponent(kLabelId);
    ComponentRecord* menu = window_->FindComponent(kMenuId);
    label->SetObjectSlot(0x1234);
    label->SetCursorSlot(0x5678);
    label->SetLeft(32627);
    label->SetTop(-32627);
    label->SetWidth(0);
    label->SetHeight(7);
    label->SetStateFlags(0);
    ASSERT_TRUE(label->SetTag("a much longer tag than before"));
    const uint8_t cursor[] = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 2, 0, 1, 0};
    ASSERT_TRUE(label->SetMousePointer(cursor));
    ASSERT_TRUE(menu->SetMenuCaption("关闭"));
    menu->SetMenuState(kMenuHidden);

    window_->RestorePristineCopy();

    EXPECT_FALSE(window_->HasPristineCopy());
    // The records were restored in place: pointers held by the loader stay valid.
    EXPECT_EQ(window_->FindComponent(kLabelId), label);
    const std::vector<ComponentFields> fields = Fields();
    for (uint32_t index = 0; index < fields.size(); ++index) {
        ExpectRecordMatches(window_->Record(index), fields[index], kCodeBase);
    }
}

TEST_F(LoadedSample, AnUnrestoredCopyIsKeptWhenTakenAgain) {
    ASSERT_TRUE(window_->TakePristineCopy());
    window_->Record(1).SetLeft(99);
    ASSERT_TRUE(window_->TakePristineCopy());
    window_->RestorePristineCopy();
    EXPECT_EQ(window_->Record(1).Left(), Fields()[1].left);
}

TEST_F(LoadedSample, RestoringWithoutACopyChangesNothing) {
    window_->Record(1).SetLeft(99);
    window_->RestorePristineCopy();
    EXPECT_EQ(window_->Record(1).Left(), 99);
}

TEST_F(LoadedSample, ResizedFieldsLeaveTheFieldsAfterThemIntact) {
    ComponentRecord& button = *window_->FindComponent(kButtonId);
    ComponentFields expected = Fields()[2];
    const struct {
        std::string tag;
        std::vector<uint8_t> pointer;
    } cases[] = {
        {"", {}},
        {"长标记长标记长标记长标记", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"x", {7}},
    };
    for (const auto& change : cases) {
        ASSERT_TRUE(button.SetTag(change.tag));
        ASSERT_TRUE(button.SetMousePointer(change.pointer));
        expected.tag = change.tag;
        expected.mousePointer = change.pointer;
        ExpectRecordMatches(button, expected, kCodeBase);
    }
}

TEST_F(LoadedSample, ATextEndsAtItsFirstZeroByte) {
    ComponentRecord& button = *window_->FindComponent(kButtonId);
    ASSERT_TRUE(button.SetTag(std::string_view("ab\0cd", 5)));
    EXPECT_EQ(std::string(button.Tag()), "ab");
    EXPECT_EQ(button.BindingCount(), 3u);
}

TEST_F(LoadedSample, EventsFindTheirRelocatedRoutine) {
    const ComponentRecord& button = *window_->FindComponent(kButtonId);
    EXPECT_EQ(button.RoutineForEvent(0), kCodeBase + 0x10);
    EXPECT_EQ(button.RoutineForEvent(3), kCodeBase + 0x7FFFFFF0);
    EXPECT_EQ(button.RoutineForEvent(-7), 0u) << "an offset of -1 binds nothing";
    EXPECT_EQ(button.RoutineForEvent(1), 0u);
    EXPECT_EQ(window_->FindComponent(kEditId)->EventSource(), kButtonId);
}

TEST_F(LoadedSample, MenuAndComponentFieldsDoNotLeakIntoEachOther) {
    ComponentRecord& menu = *window_->FindComponent(kMenuId);
    ComponentRecord& label = *window_->FindComponent(kLabelId);
    EXPECT_EQ(menu.Left(), 0);
    EXPECT_EQ(menu.BindingCount(), 0u);
    EXPECT_TRUE(menu.MousePointer().empty());
    EXPECT_TRUE(menu.UnitProperties().empty());
    EXPECT_FALSE(menu.SetTag("x"));
    menu.SetObjectSlot(5);
    EXPECT_EQ(menu.ObjectSlot(), 0u);
    EXPECT_EQ(label.MenuState(), 0u);
    EXPECT_EQ(std::string(label.MenuCaption()), "");
    EXPECT_FALSE(label.SetMenuCaption("x"));
    EXPECT_EQ(menu.MenuRoutine(), kCodeBase + 0x20);
}

}  // namespace
}  // namespace velmora::forms_test
