#include "tools/form_compiler/form_source.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/unit_properties.h"
#include "tools/form_compiler/form_tokens.h"
#include "tools/form_compiler/gbk_text.h"
#include "tools/form_compiler/unit_kinds.h"

namespace velmora {
namespace {

constexpr uint32_t kWindowRecordId = 0x06010000;

struct PendingBinding {
    int32_t event = 0;
    std::string routine;  // empty: no routine
};

struct PendingComponent {
    size_t line = 0;
    std::string symbol;
    const UnitKind* unit = nullptr;
    ComponentFields fields;
    std::string container;
    uint32_t page = 1;
    std::string source;
    std::vector<PendingBinding> bindings;
    std::string menuRoutine;
    WindowUnitProperties window;
    std::vector<UnitPropertyEntry> properties;
};

struct PendingWindow {
    uint32_t id = 0;
    std::vector<PendingComponent> components;  // the window's own record first
};

class FormParser {
  public:
    bool Parse(std::string_view text);
    bool Finish(CompiledSource& result);
    const std::string& Error() const { return error_; }

  private:
    bool Fail(const std::string& message);
    bool Statement(const std::vector<Token>& tokens);
    bool BeginBlock(const std::vector<Token>& tokens);
    bool ComponentStatement(PendingComponent& component, const std::vector<Token>& tokens);
    bool MenuStatement(PendingComponent& component, const std::vector<Token>& tokens);
    bool PropertyStatement(PendingComponent& component, const std::vector<Token>& tokens);
    bool WindowProperty(WindowUnitProperties& window, const UnitPropertyEntry& entry);
    bool Text(const Token& token, std::string& text);
    bool Integer(const Token& token, int32_t& value);
    bool RoutineName(const Token& token, std::string& routine);
    bool Resolve(PendingWindow& window);
    uint32_t RoutineNumber(const std::string& routine);

    std::vector<PendingWindow> windows_;
    PendingComponent* current_ = nullptr;
    std::set<std::string> symbols_;
    std::vector<std::string> routineNames_;
    size_t line_ = 0;
    std::string error_;
};

bool FormParser::Fail(const std::string& message) {
    error_ = "line " + std::to_string(line_) + ": " + message;
    return false;
}

bool FormParser::Parse(std::string_view text) {
    std::vector<Token> tokens;
    while (!text.empty()) {
        ++line_;
        const size_t end = std::min(text.find('\n'), text.size());
        std::string message;
        if (!SplitLine(text.substr(0, end), tokens, message)) {
            return Fail(message);
        }
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!tokens.empty() && !Statement(tokens)) {
            return false;
        }
    }
    if (current_ != nullptr) {
        line_ = current_->line;
        return Fail("block \"" + current_->symbol + "\" has no end");
    }
    return true;
}

bool FormParser::Statement(const std::vector<Token>& tokens) {
    if (current_ == nullptr) {
        return BeginBlock(tokens);
    }
    if (tokens[0].text == "end" && !tokens[0].quoted) {
        if (tokens.size() != 1) {
            return Fail("end takes nothing");
        }
        current_ = nullptr;
        return true;
    }
    if (current_->unit->unitType == kUnitMenuItem) {
        return MenuStatement(*current_, tokens);
    }
    return ComponentStatement(*current_, tokens);
}

bool FormParser::BeginBlock(const std::vector<Token>& tokens) {
    const UnitKind* unit = tokens[0].quoted ? nullptr : FindUnitKind(tokens[0].text);
    if (unit == nullptr) {
        return Fail("expected a component kind, found \"" + tokens[0].text + "\"");
    }
    uint32_t id = 0;
    if (tokens.size() != 3 || tokens[1].quoted || !ParseWord(tokens[2].text, id)) {
        return Fail("expected: " + std::string(unit->keyword) + " SYMBOL ID");
    }
    if (!symbols_.insert(tokens[1].text).second) {
        return Fail("symbol \"" + tokens[1].text + "\" is used twice");
    }
    PendingComponent component;
    component.line = line_;
    component.symbol = tokens[1].text;
    component.unit = unit;
    component.fields.unitType = unit->unitType;
    if (unit->unitType == kUnitWindow) {
        if (!IsWindowId(id)) {
            return Fail("a window id has kind 0x02000000 and a number other than 0");
        }
        for (const PendingWindow& window : windows_) {
            if (window.id == id) {
                return Fail("window id used twice");
            }
        }
        component.fields.id = kWindowRecordId;
        windows_.push_back({id, {}});
    } else {
        if (windows_.empty()) {
            return Fail("a component needs a window block before it");
        }
        const bool menuItem = unit->unitType == kUnitMenuItem;
        if (!IsComponentId(id) || IdNumber(id) == 0 || IsMenuItemId(id) != menuItem) {
            return Fail(menuItem ? "a menu item id has kind 0x06000000, top bits 0x20000000 and a number"
                                 : "a component id has kind 0x06000000, a number, and not the menu item top bits");
        }
        for (const PendingComponent& other : windows_.back().components) {
            if (other.fields.id == id) {
                return Fail("component id used twice in the window");
            }
        }
        component.fields.id = id;
    }
    windows_.back().components.push_back(std::move(component));
    current_ = &windows_.back().components.back();
    return true;
}

bool FormParser::Text(const Token& token, std::string& text) {
    if (!token.quoted) {
        return Fail("expected a quoted text, found " + token.text);
    }
    if (!Utf8ToGbk(token.text, text)) {
        return Fail("text \"" + token.text + "\" is not UTF-8 or has no code page 936 form");
    }
    if (text.find('\0') != std::string::npos) {
        return Fail("a text cannot hold a zero byte");
    }
    return true;
}

bool FormParser::Integer(const Token& token, int32_t& value) {
    if (token.quoted || !ParseInteger(token.text, value)) {
        return Fail("expected a 32-bit integer, found \"" + token.text + "\"");
    }
    return true;
}

bool FormParser::RoutineName(const Token& token, std::string& routine) {
    const bool valid =
        !token.quoted && !token.text.empty() && std::isdigit(static_cast<unsigned char>(token.text[0])) == 0 &&
        std::all_of(token.text.begin(), token.text.end(),
                    [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':'; });
    if (!valid) {
        return Fail("expected a routine name or none, found \"" + token.text + "\"");
    }
    routine = token.text == "none" ? "" : token.text;
    return true;
}

bool FormParser::ComponentStatement(PendingComponent& component, const std::vector<Token>& tokens) {
    const std::string& keyword = tokens[0].text;
    const size_t count = tokens.size();
    ComponentFields& fields = component.fields;
    const bool isWindow = component.unit->unitType == kUnitWindow;
    if (keyword == "name" && count == 2) {
        return Text(tokens[1], fields.name);
    }
    if (keyword == "second_text" && count == 2) {
        return Text(tokens[1], fields.secondText);
    }
    if (keyword == "tag" && count == 2) {
        return Text(tokens[1], fields.tag);
    }
    if (keyword == "geometry" && count == 5) {
        return Integer(tokens[1], fields.left) && Integer(tokens[2], fields.top) && Integer(tokens[3], fields.width) &&
               Integer(tokens[4], fields.height);
    }
    if (keyword == "state" && count >= 2) {
        fields.stateFlags = 0;
        for (size_t index = 1; index < count; ++index) {
            const std::string& flag = tokens[index].text;
            if (flag == "visible") {
                fields.stateFlags |= kStateVisible;
            } else if (flag == "disabled") {
                fields.stateFlags |= kStateDisabled;
            } else if (flag == "focusable") {
                fields.stateFlags |= kStateFocusable;
            } else {
                return Fail("unknown state \"" + flag + "\" (visible, disabled, focusable)");
            }
        }
        return true;
    }
    if (keyword == "pointer" && count == 2) {
        int32_t code = 0;
        if (!Integer(tokens[1], code)) {
            return false;
        }
        fields.mousePointer = IntegerValue(code);
        return true;
    }
    if (keyword == "container" && !isWindow && (count == 2 || (count == 4 && tokens[2].text == "page"))) {
        component.container = tokens[1].text;
        int32_t page = 1;
        if (count == 4 && (!Integer(tokens[3], page) || page < 1)) {
            return Fail("a page number starts at 1");
        }
        component.page = static_cast<uint32_t>(page);
        return true;
    }
    if (keyword == "source" && !isWindow && count == 2) {
        component.source = tokens[1].text;
        return true;
    }
    if (keyword == "on" && count == 3) {
        PendingBinding binding;
        if (!Integer(tokens[1], binding.event) || !RoutineName(tokens[2], binding.routine)) {
            return false;
        }
        for (const PendingBinding& other : component.bindings) {
            if (other.event == binding.event) {
                return Fail("event " + tokens[1].text + " is bound twice");
            }
        }
        component.bindings.push_back(binding);
        return true;
    }
    if (keyword == "property") {
        return PropertyStatement(component, tokens);
    }
    return Fail("unknown or malformed statement \"" + keyword + "\" in a " + std::string(component.unit->keyword));
}

bool FormParser::MenuStatement(PendingComponent& component, const std::vector<Token>& tokens) {
    const std::string& keyword = tokens[0].text;
    const size_t count = tokens.size();
    ComponentFields& fields = component.fields;
    if (keyword == "name" && count == 2) {
        return Text(tokens[1], fields.name);
    }
    if (keyword == "second_text" && count == 2) {
        return Text(tokens[1], fields.secondText);
    }
    if (keyword == "caption" && count == 2) {
        return Text(tokens[1], fields.menuCaption);
    }
    if (keyword == "state" && count >= 2) {
        fields.menuWords[0] = 0;
        for (size_t index = 1; index < count; ++index) {
            const std::string& flag = tokens[index].text;
            if (flag == "hidden") {
                fields.menuWords[0] |= kMenuHidden;
            } else if (flag == "disabled") {
                fields.menuWords[0] |= kMenuDisabled;
            } else if (flag == "checked") {
                fields.menuWords[0] |= kMenuChecked;
            } else {
                return Fail("unknown menu state \"" + flag + "\" (hidden, disabled, checked)");
            }
        }
        return true;
    }
    if ((keyword == "level" || keyword == "shortcut") && count == 2) {
        int32_t value = 0;
        if (!Integer(tokens[1], value)) {
            return false;
        }
        fields.menuWords[keyword == "level" ? 1 : 2] = static_cast<uint32_t>(value);
        return true;
    }
    if (keyword == "click" && count == 2) {
        return RoutineName(tokens[1], component.menuRoutine);
    }
    return Fail("unknown or malformed statement \"" + keyword + "\" in a menuitem");
}

bool FormParser::PropertyStatement(PendingComponent& component, const std::vector<Token>& tokens) {
    const bool hexValue = tokens.size() == 4 && !tokens[2].quoted && tokens[2].text == "hex";
    if (tokens.size() != 3 && !hexValue) {
        return Fail("expected: property NAME VALUE");
    }
    const PropertyName* property = FindProperty(*component.unit, tokens[1].text);
    if (property == nullptr) {
        return Fail("a " + std::string(component.unit->keyword) + " has no property \"" + tokens[1].text + "\"");
    }
    UnitPropertyEntry entry{property->number, {}};
    int32_t integer = 0;
    std::string text;
    switch (property->kind) {
        case ValueKind::kInteger:
            if (tokens[2].text == "true" || tokens[2].text == "false") {
                integer = tokens[2].text == "true" ? 1 : 0;
            } else if (hexValue || !Integer(tokens[2], integer)) {
                return Fail("property " + tokens[1].text + " takes an integer");
            }
            entry.value = IntegerValue(integer);
            break;
        case ValueKind::kText:
            if (hexValue || !Text(tokens[2], text)) {
                return Fail("property " + tokens[1].text + " takes a text");
            }
            entry.value = TextValue(text);
            break;
        case ValueKind::kBytes: {
            const std::string& digits = tokens[3].text;
            if (!hexValue || !tokens[3].quoted || digits.size() % 2 != 0) {
                return Fail("property " + tokens[1].text + " takes hex \"BYTES\"");
            }
            for (size_t at = 0; at < digits.size(); at += 2) {
                uint32_t byte = 0;
                if (!ParseWord("0x" + digits.substr(at, 2), byte)) {
                    return Fail("bad hexadecimal digits");
                }
                entry.value.push_back(static_cast<uint8_t>(byte));
            }
            break;
        }
    }
    if (component.unit->unitType == kUnitWindow) {
        return WindowProperty(component.window, entry);
    }
    for (const UnitPropertyEntry& other : component.properties) {
        if (other.number == entry.number) {
            return Fail("property " + tokens[1].text + " is set twice");
        }
    }
    component.properties.push_back(std::move(entry));
    return true;
}

bool FormParser::WindowProperty(WindowUnitProperties& window, const UnitPropertyEntry& entry) {
    if (int32_t* integer = WindowIntegerField(window, entry.number); integer != nullptr) {
        *integer = static_cast<int32_t>(LoadWord(entry.value.data()));
    } else if (std::string* text = WindowTextField(window, entry.number); text != nullptr) {
        text->assign(entry.value.begin(), entry.value.end());
    } else if (std::vector<uint8_t>* bytes = WindowBytesField(window, entry.number); bytes != nullptr) {
        *bytes = entry.value;
    } else {
        return Fail("window property " + std::to_string(entry.number) + " has no place in the template");
    }
    return true;
}

uint32_t FormParser::RoutineNumber(const std::string& routine) {
    const auto found = std::find(routineNames_.begin(), routineNames_.end(), routine);
    if (found != routineNames_.end()) {
        return static_cast<uint32_t>(found - routineNames_.begin());
    }
    routineNames_.push_back(routine);
    return static_cast<uint32_t>(routineNames_.size() - 1);
}

bool FormParser::Resolve(PendingWindow& window) {
    std::map<std::string, size_t> bySymbol;
    for (size_t index = 0; index < window.components.size(); ++index) {
        bySymbol[window.components[index].symbol] = index;
    }
    const auto find = [&](const std::string& symbol, size_t self) -> std::optional<size_t> {
        const auto found = bySymbol.find(symbol);
        if (found == bySymbol.end() || found->second == self) {
            return std::nullopt;
        }
        return found->second;
    };
    // Pages of each container: ids in record order.
    std::map<size_t, std::map<uint32_t, std::vector<uint32_t>>> pages;
    for (size_t index = 0; index < window.components.size(); ++index) {
        PendingComponent& component = window.components[index];
        line_ = component.line;
        if (!component.container.empty()) {
            const std::optional<size_t> container = find(component.container, index);
            if (!container || window.components[*container].unit->unitType == kUnitMenuItem) {
                return Fail("container \"" + component.container + "\" is not another component of this window");
            }
            component.fields.container = *container == 0 ? 0 : window.components[*container].fields.id;
            if (*container != 0) {
                pages[*container][component.page].push_back(component.fields.id);
            }
        }
        if (!component.source.empty()) {
            const std::optional<size_t> source = find(component.source, index);
            if (!source || *source == 0) {
                return Fail("event source \"" + component.source + "\" is not another component of this window");
            }
            component.fields.eventSource = window.components[*source].fields.id;
        }
        for (const PendingBinding& binding : component.bindings) {
            component.fields.bindings.push_back(
                {binding.event,
                 binding.routine.empty() ? kNoRoutine : static_cast<int32_t>(RoutineNumber(binding.routine))});
        }
        if (!component.menuRoutine.empty()) {
            component.fields.menuRoutine = static_cast<int32_t>(RoutineNumber(component.menuRoutine));
        }
        if (component.unit->unitType == kUnitWindow) {
            component.fields.unitProperties = WriteWindowUnitProperties(component.window);
        } else if (component.unit->unitType != kUnitMenuItem) {
            std::sort(component.properties.begin(), component.properties.end(),
                      [](const UnitPropertyEntry& a, const UnitPropertyEntry& b) { return a.number < b.number; });
            component.fields.unitProperties = WritePropertyList(component.properties);
        }
    }
    for (const auto& [container, groups] : pages) {
        std::vector<uint32_t>& contained = window.components[container].fields.contained;
        const uint32_t lastPage = groups.rbegin()->first;
        for (uint32_t page = 1; page <= lastPage; ++page) {
            if (page > 1) {
                contained.push_back(0);
            }
            const auto group = groups.find(page);
            if (group != groups.end()) {
                contained.insert(contained.end(), group->second.begin(), group->second.end());
            }
        }
    }
    return true;
}

bool FormParser::Finish(CompiledSource& result) {
    for (PendingWindow& window : windows_) {
        if (!Resolve(window)) {
            return false;
        }
        WindowFields fields;
        fields.id = window.id;
        for (PendingComponent& component : window.components) {
            fields.components.push_back(std::move(component.fields));
        }
        result.windows.push_back(std::move(fields));
    }
    result.routineNames = routineNames_;
    return true;
}

}  // namespace

bool CompileFormSource(std::string_view text, CompiledSource& result, std::string& error) {
    FormParser parser;
    result = {};
    if (!parser.Parse(text) || !parser.Finish(result)) {
        error = parser.Error();
        return false;
    }
    return true;
}

}  // namespace velmora
