#include "runtime/forms/template_writer.h"

#include "runtime/forms/byte_writer.h"

namespace velmora {
namespace {

constexpr size_t kReservedHeadSize = 16;

void WriteRoutine(ByteWriter& writer, int32_t routine, std::vector<uint32_t>& routineSites) {
    if (routine != kNoRoutine) {
        routineSites.push_back(static_cast<uint32_t>(writer.Size()));
    }
    writer.Signed(routine);
}

}  // namespace

std::vector<uint8_t> WriteComponentRecord(const ComponentFields& component, std::vector<uint32_t>& routineSites) {
    ByteWriter writer;
    writer.Word(component.unitType);
    writer.Word(component.eventSource);
    writer.Bytes(std::vector<uint8_t>(kReservedHeadSize, 0));
    writer.ZeroTerminated(component.name);
    writer.ZeroTerminated(component.secondText);
    if (component.unitType == kUnitMenuItem) {
        for (const uint32_t word : component.menuWords) {
            writer.Word(word);
        }
        writer.ZeroTerminated(component.menuCaption);
        WriteRoutine(writer, component.menuRoutine, routineSites);
        return std::move(writer.Result());
    }
    writer.Word(0);
    writer.Signed(component.left);
    writer.Signed(component.top);
    writer.Signed(component.width);
    writer.Signed(component.height);
    writer.Word(0);
    writer.Word(component.container);
    writer.Word(static_cast<uint32_t>(component.contained.size()));
    for (const uint32_t id : component.contained) {
        writer.Word(id);
    }
    writer.Block(component.mousePointer);
    writer.ZeroTerminated(component.tag);
    writer.Word(0);
    writer.Word(component.stateFlags);
    writer.Word(0);
    writer.Word(static_cast<uint32_t>(component.bindings.size()));
    for (const BindingFields& binding : component.bindings) {
        writer.Signed(binding.event);
        WriteRoutine(writer, binding.routine, routineSites);
    }
    writer.Bytes(component.unitProperties);
    return std::move(writer.Result());
}

TemplateData WriteTemplateData(const std::vector<WindowFields>& windows) {
    ByteWriter writer;
    std::vector<uint32_t> routineSites;
    writer.Word(static_cast<uint32_t>(8 * windows.size()));
    for (const WindowFields& window : windows) {
        writer.Word(window.id);
    }
    for (size_t index = 0; index < windows.size(); ++index) {
        writer.Word(0);
    }
    for (const WindowFields& window : windows) {
        writer.Word(window.firstWord);
        writer.Word(window.secondWord);
        writer.Text(window.firstText);
        writer.Text(window.secondText);
        writer.Word(static_cast<uint32_t>(window.components.size()));
        ByteWriter block;
        for (const ComponentFields& component : window.components) {
            block.Word(component.id);
        }
        const size_t offsetTable = block.Size();
        for (size_t index = 0; index < window.components.size(); ++index) {
            block.Word(0);
        }
        const size_t areaStart = block.Size();
        // The block follows its 32-bit length word.
        const size_t blockStart = writer.Size() + 4;
        for (size_t index = 0; index < window.components.size(); ++index) {
            block.PatchWord(offsetTable + 4 * index, static_cast<uint32_t>(block.Size() - areaStart));
            std::vector<uint32_t> sites;
            const std::vector<uint8_t> record = WriteComponentRecord(window.components[index], sites);
            block.Block(record);
            const size_t recordStart = blockStart + block.Size() - record.size();
            for (const uint32_t site : sites) {
                routineSites.push_back(static_cast<uint32_t>(recordStart + site));
            }
        }
        writer.Block(block.Result());
    }
    return {std::move(writer.Result()), std::move(routineSites)};
}

}  // namespace velmora
