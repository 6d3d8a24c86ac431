#include <gtest/gtest.h>

#include "runtime/forms/template_reader.h"
#include "tests/native/forms/template_samples.h"

namespace velmora::forms_test {
namespace {

constexpr uint32_t kCodeBase = 0x00401000;

TEST(TemplateRoundTrip, EveryFieldWrittenIsReadBackWithBindingsRelocated) {
    const std::vector<WindowFields> windows = SampleWindows();
    std::optional<TemplateCollection> collection = ReadTemplateData(SampleBytes(), kCodeBase);
    ASSERT_TRUE(collection);
    ASSERT_EQ(collection->WindowCount(), windows.size());
    for (uint32_t w = 0; w < windows.size(); ++w) {
        const WindowFields& fields = windows[w];
        const WindowTemplate& window = collection->Window(w);
        EXPECT_EQ(collection->WindowIds()[w], fields.id);
        EXPECT_EQ(window.Id(), fields.id);
        EXPECT_EQ(window.FirstWord(), fields.firstWord);
        EXPECT_EQ(window.SecondWord(), fields.secondWord);
        EXPECT_EQ(window.FirstText(), fields.firstText);
        EXPECT_EQ(window.SecondText(), fields.secondText);
        ASSERT_EQ(window.ComponentCount(), fields.components.size());
        for (uint32_t c = 0; c < fields.components.size(); ++c) {
            EXPECT_EQ(window.ComponentIds()[c], fields.components[c].id);
            ExpectRecordMatches(window.Record(c), fields.components[c], kCodeBase);
        }
    }
}

TEST(TemplateRoundTrip, WindowsAndComponentsAreFoundById) {
    std::optional<TemplateCollection> collection = ReadTemplateData(SampleBytes(), kCodeBase);
    ASSERT_TRUE(collection);
    WindowTemplate* window = collection->FindTemplate(kSampleWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(collection->FindTemplate(kSecondWindow), &collection->Window(1));
    EXPECT_EQ(collection->FindTemplate(0x52010003), nullptr);
    EXPECT_EQ(window->FindComponent(0), &window->Record(0));
    EXPECT_EQ(window->FindComponent(kEditId), &window->Record(3));
    EXPECT_EQ(window->FindComponent(kMenuId), &window->Record(4));
    EXPECT_EQ(window->FindComponent(0x16010099), nullptr);
    EXPECT_TRUE(window->HasMenuItems());
    EXPECT_FALSE(collection->FindTemplate(kSecondWindow)->HasMenuItems());
}

TEST(TemplateRoundTrip, DataWithoutWindowsGivesAnEmptyCollection) {
    const std::vector<uint8_t> bytes = WriteTemplateData({}).bytes;
    ASSERT_EQ(bytes.size(), 4u);
    std::optional<TemplateCollection> collection = ReadTemplateData(bytes, kCodeBase);
    ASSERT_TRUE(collection);
    EXPECT_EQ(collection->WindowCount(), 0u);
}

TEST(TemplateRoundTrip, WriterReportsEveryRoutineSiteAndNoOther) {
    const TemplateData data = WriteTemplateData(SampleWindows());
    // Window bindings 0x100, button 0x10 and 0x7FFFFFF0, menu item 0x20; the -1 fields are no sites.
    const std::vector<uint32_t> expected = {0x100, 0x10, 0x7FFFFFF0, 0x20};
    ASSERT_EQ(data.routineSites.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        const uint8_t* site = data.bytes.data() + data.routineSites[index];
        const uint32_t value = site[0] | site[1] << 8 | site[2] << 16 | static_cast<uint32_t>(site[3]) << 24;
        EXPECT_EQ(value, expected[index]);
    }
}

}  // namespace
}  // namespace velmora::forms_test
