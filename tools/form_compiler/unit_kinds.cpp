#include "tools/form_compiler/unit_kinds.h"

#include <charconv>

#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

constexpr ValueKind kInt = ValueKind::kInteger;
constexpr ValueKind kText = ValueKind::kText;
constexpr ValueKind kBytes = ValueKind::kBytes;

// The window unit's block has fixed fields; these names map onto them.
constexpr PropertyName kWindowProperties[] = {
    {"caption", 0, kText},          {"border_style", 1, kInt},
    {"background_colour", 2, kInt}, {"background_picture", 3, kBytes},
    {"picture_layout", 4, kInt},    {"control_box", 7, kInt},
    {"maximise_box", 8, kInt},      {"minimise_box", 9, kInt},
    {"position", 10, kInt},         {"movable", 11, kInt},
    {"icon", 12, kBytes},           {"no_hidden_owner", 18, kInt},
    {"window_pointer", 20, kInt},   {"always_on_top", 21, kInt},
    {"class_name", 23, kText},
};

constexpr PropertyName kButtonProperties[] = {
    {"picture", 0, kBytes},          {"type", 1, kInt},   {"caption", 2, kText}, {"horizontal_alignment", 3, kInt},
    {"vertical_alignment", 4, kInt}, {"font", 5, kBytes},
};

constexpr PropertyName kCheckBoxProperties[] = {
    {"picture", 0, kBytes},
    {"push_like", 1, kInt},
    {"flat", 2, kInt},
    {"caption", 3, kText},
    {"box_on_right", 4, kInt},
    {"horizontal_alignment", 5, kInt},
    {"vertical_alignment", 6, kInt},
    {"text_colour", 7, kInt},
    {"background_colour", 8, kInt},
    {"font", 9, kBytes},
    {"checked", 10, kInt},
    {"binding_text1", 11, kText},
    {"binding_text2", 12, kText},
};

constexpr PropertyName kEditBoxProperties[] = {
    {"content", 0, kText},         {"border_style", 1, kInt},
    {"text_colour", 2, kInt},      {"background_colour", 3, kInt},
    {"font", 4, kBytes},           {"hide_selection", 5, kInt},
    {"max_length", 6, kInt},       {"multi_line", 7, kInt},
    {"scroll_bars", 8, kInt},      {"alignment", 9, kInt},
    {"input_mode", 10, kInt},      {"password_char", 11, kText},
    {"case_conversion", 12, kInt}, {"spin", 13, kInt},
    {"spin_lower", 14, kInt},      {"spin_upper", 15, kInt},
    {"selection_start", 16, kInt}, {"selection_length", 17, kInt},
    {"selected_text", 18, kText},  {"binding_text1", 19, kText},
    {"binding_text2", 20, kText},
};

// Apart from the caption and the binding texts the label's options are addressed by number.
constexpr PropertyName kLabelProperties[] = {
    {"caption", 0, kText},
    {"", 1, kInt},
    {"", 2, kInt},
    {"", 3, kInt},
    {"", 4, kInt},
    {"", 5, kInt},
    {"", 6, kInt},
    {"", 7, kBytes},
    {"", 8, kInt},
    {"", 9, kInt},
    {"", 10, kBytes},
    {"", 11, kInt},
    {"", 12, kInt},
    {"", 13, kInt},
    {"", 14, kInt},
    {"", 15, kInt},
    {"", 16, kInt},
    {"", 17, kInt},
    {"", 18, kInt},
    {"binding_text1", 19, kText},
    {"binding_text2", 20, kText},
};

constexpr PropertyName kCommonDialogProperties[] = {
    {"dialog_type", 0, kInt},
    {"title", 1, kText},
    {"file_name", 2, kText},
    {"filter", 3, kText},
    {"filter_index", 4, kInt},
    {"initial_directory", 5, kText},
    {"default_extension", 6, kText},
    {"create_prompt", 7, kInt},
    {"file_must_exist", 8, kInt},
    {"overwrite_prompt", 9, kInt},
    {"path_must_exist", 10, kInt},
    {"no_change_directory", 11, kInt},
    {"font_colour", 12, kInt},
    {"bold", 13, kInt},
    {"italic", 14, kInt},
    {"strike_out", 15, kInt},
    {"underline", 16, kInt},
    {"font_name", 17, kText},
    {"font_size", 18, kInt},
    {"help_file", 19, kText},
    {"help_command", 20, kInt},
    {"help_topic", 21, kInt},
};

constexpr UnitKind kUnitKinds[] = {
    {"window", kUnitWindow, kWindowProperties},
    {"menuitem", kUnitMenuItem, {}},
    {"editbox", kUnitEditBox, kEditBoxProperties},
    {"label", kUnitLabel, kLabelProperties},
    {"button", kUnitButton, kButtonProperties},
    {"checkbox", kUnitCheckBox, kCheckBoxProperties},
    {"commondialog", kUnitCommonDialog, kCommonDialogProperties},
};

}  // namespace

const UnitKind* FindUnitKind(std::string_view keyword) {
    for (const UnitKind& unit : kUnitKinds) {
        if (unit.keyword == keyword) {
            return &unit;
        }
    }
    return nullptr;
}

const PropertyName* FindProperty(const UnitKind& unit, std::string_view name) {
    uint32_t number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    const bool byNumber = error == std::errc() && end == name.data() + name.size();
    for (const PropertyName& property : unit.properties) {
        if (byNumber ? property.number == number : (!property.name.empty() && property.name == name)) {
            return &property;
        }
    }
    return nullptr;
}

}  // namespace velmora
