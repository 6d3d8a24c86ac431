#include <gtest/gtest.h>

#include <string>

#include "runtime/forms/identifiers.h"
#include "runtime/forms/template_reader.h"
#include "runtime/forms/unit_properties.h"
#include "tools/form_compiler/form_source.h"

namespace velmora::forms_test {
namespace {

// Form sources are UTF-8 whatever the execution character set.
const std::string kSmallForm = reinterpret_cast<const char*>(
    u8R"(
window Main 0x52010001   # the window
    geometry 1 2 3 4
    property caption "Velmora"
end
label Delay 0x160102CF
    name "延迟标签"
    geometry 8 14 40 32
    state visible
    tag "say \"hi\"\t\\"
    property caption "延迟："
end
button Backup 0x16010002
    on 0 BackupClicked
    on -8 none
    on 1 RestoreClicked
end
button Restore 0x1601014A
    on 0 RestoreClicked
end
)");

TEST(FormSource, CompilesIntoReadableTemplateData) {
    CompiledSource compiled;
    std::string error;
    ASSERT_TRUE(CompileFormSource(kSmallForm, compiled, error)) << error;
    EXPECT_EQ(compiled.routineNames, (std::vector<std::string>{"BackupClicked", "RestoreClicked"}));
    std::optional<TemplateCollection> collection = ReadTemplateData(WriteTemplateData(compiled.windows).bytes, 0);
    ASSERT_TRUE(collection);
    WindowTemplate& window = *collection->FindTemplate(0x52010001);
    EXPECT_EQ(window.FirstWord(), 0u);
    EXPECT_EQ(window.SecondWord(), 0x19010003u);
    EXPECT_EQ(window.ComponentIds()[0], 0x06010000u);
    const ComponentRecord& delay = *window.FindComponent(0x160102CF);
    EXPECT_STREQ(delay.Name(), "延迟标签");
    EXPECT_STREQ(delay.Tag(), "say \"hi\"\t\\");
    EXPECT_EQ(delay.StateFlags(), kStateVisible);
    const std::span<const uint8_t> pointer = delay.MousePointer();
    EXPECT_EQ(std::vector<uint8_t>(pointer.begin(), pointer.end()), (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(PropertyList::Parse(delay.UnitProperties())->Text(0), "延迟：");
    // Routine fields hold routine numbers until the form is linked.
    const ComponentRecord& backup = *window.FindComponent(0x16010002);
    EXPECT_EQ(backup.RoutineForEvent(0), 0u);
    EXPECT_EQ(backup.RoutineForEvent(1), 1u);
    EXPECT_EQ(backup.RoutineForEvent(-8), 0u);
    EXPECT_EQ(window.FindComponent(0x1601014A)->RoutineForEvent(0), 1u);
    const std::optional<WindowUnitProperties> own = ReadWindowUnitProperties(window.Record(0).UnitProperties());
    ASSERT_TRUE(own);
    EXPECT_EQ(own->version, 6u);
    EXPECT_EQ(own->caption, "Velmora");
}

TEST(FormSource, MistakesAreReportedWithTheirLine) {
    const struct {
        const char* source;
        const char* error;
    } cases[] = {
        {"widget W 0x52010001\nend\n", "line 1: expected a component kind"},
        {"button B 0x16010001\nend\n", "line 1: a component needs a window"},
        {"window W 0x16010001\nend\n", "line 1: a window id"},
        {"window W 0x52010001\nend\nwindow V 0x52010001\nend\n", "line 3: window id used twice"},
        {"window W 0x52010001\nend\nbutton W 0x16010001\nend\n", "line 3: symbol \"W\" is used twice"},
        {"window W 0x52010001\nend\nbutton B 0x26010001\nend\n", "line 3: a component id"},
        {"window W 0x52010001\nend\nmenuitem M 0x16010001\nend\n", "line 3: a menu item id"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\nend\nbutton C 0x16010001\nend\n",
         "line 5: component id used twice"},
        {"window W 0x52010001\n  name \"open\n", "line 2: text without closing quote"},
        {"window W 0x52010001\n  name \"\\q\"\nend\n", "line 2: unknown escape"},
        {"window W 0x52010001\n  geometry 1 2 3\nend\n", "line 2: unknown or malformed statement \"geometry\""},
        {"window W 0x52010001\n  geometry 1 2 3 2147483648\nend\n", "line 2: expected a 32-bit integer"},
        {"window W 0x52010001\n  state shown\nend\n", "line 2: unknown state"},
        // A character that code page 936 lacks, spelled as its UTF-8 bytes.
        {"window W 0x52010001\n  name \"\xF0\x9F\x98\x80\"\nend\n", "line 2: text"},
        {"window W 0x52010001\n  property colour 1\nend\n", "line 2: a window has no property \"colour\""},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  property caption 5\nend\n",
         "line 4: property caption takes a text"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  property type \"1\"\nend\n",
         "line 4: property type takes an integer"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  property font hex \"0\"\nend\n",
         "line 4: property font takes hex"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  property type 1\n  property 1 0\nend\n",
         "line 5: property 1 is set twice"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  on 0 A\n  on 0 B\nend\n", "line 5: event 0 is bound twice"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  on 0 1st\nend\n", "line 4: expected a routine name"},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  container X\nend\n", "line 3: container \"X\""},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  source B\nend\n", "line 3: event source \"B\""},
        {"window W 0x52010001\nend\nbutton B 0x16010001\n  container W page 0\nend\n", "line 4: a page number"},
        {"window W 0x52010001\n  container W\nend\n", "line 2: unknown or malformed statement \"container\""},
        {"window W 0x52010001\n  end now\n", "line 2: end takes nothing"},
        {"window W 0x52010001\n  name \"x\"\n", "line 1: block \"W\" has no end"},
    };
    for (const auto& mistake : cases) {
        CompiledSource compiled;
        std::string error;
        EXPECT_FALSE(CompileFormSource(mistake.source, compiled, error)) << mistake.source;
        EXPECT_NE(error.find(mistake.error), std::string::npos) << "got: " << error << "\nwanted: " << mistake.error;
    }
}

TEST(FormSource, ContainerPagesAreSeparatedByZeroWords) {
    constexpr const char* kForm = R"(
window W 0x52010001
end
label Frame 0x16010001
end
button A 0x16010002
    container Frame page 3
end
button B 0x16010003
    container Frame
end
button C 0x16010004
    container W
end
)";
    CompiledSource compiled;
    std::string error;
    ASSERT_TRUE(CompileFormSource(kForm, compiled, error)) << error;
    const std::vector<ComponentFields>& components = compiled.windows[0].components;
    EXPECT_EQ(components[1].contained, (std::vector<uint32_t>{0x16010003, 0, 0, 0x16010002}));
    EXPECT_EQ(components[2].container, 0x16010001u);
    EXPECT_EQ(components[4].container, 0u) << "the window as container is stored as 0";
}

}  // namespace
}  // namespace velmora::forms_test
