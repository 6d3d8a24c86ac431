// Writes window template data from plain field values: the inverse of the template reader, used by
// the form compiler and by the tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/forms/identifiers.h"

namespace velmora {

struct BindingFields {
    int32_t event = 0;
    int32_t routine = kNoRoutine;  // offset from the code base
};

struct ComponentFields {
    uint32_t id = 0;
    uint32_t unitType = 0;
    uint32_t eventSource = 0;
    std::string name;
    std::string secondText;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t container = 0;
    std::vector<uint32_t> contained;
    std::vector<uint8_t> mousePointer = {0, 0, 0, 0};
    std::string tag;
    uint32_t stateFlags = 0;
    std::vector<BindingFields> bindings;
    std::vector<uint8_t> unitProperties;
    // Menu items (unit kUnitMenuItem) carry these instead of everything after the two texts.
    std::array<uint32_t, 3> menuWords = {0, 0, 0};  // state flags, nesting level, shortcut key
    std::string menuCaption;
    int32_t menuRoutine = kNoRoutine;
};

struct WindowFields {
    uint32_t id = 0;
    uint32_t firstWord = 0;
    uint32_t secondWord = 0x19010003;
    std::string firstText;
    std::string secondText;
    std::vector<ComponentFields> components;  // the window's own record first
};

struct TemplateData {
    std::vector<uint8_t> bytes;
    // Positions of the routine offset fields that are not kNoRoutine, in writing order.
    std::vector<uint32_t> routineSites;
};

std::vector<uint8_t> WriteComponentRecord(const ComponentFields& component, std::vector<uint32_t>& routineSites);
TemplateData WriteTemplateData(const std::vector<WindowFields>& windows);

}  // namespace velmora
