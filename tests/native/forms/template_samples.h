// Template fields that exercise every part of the format, and a field-by-field comparison of a read
// record with the fields it was written from.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/forms/component_record.h"
#include "runtime/forms/template_writer.h"

namespace velmora::forms_test {

constexpr uint32_t kSampleWindow = 0x52010001;
constexpr uint32_t kSecondWindow = 0x52010002;
constexpr uint32_t kLabelId = 0x16010010;
constexpr uint32_t kButtonId = 0x16010011;
constexpr uint32_t kEditId = 0x16010012;
constexpr uint32_t kMenuId = 0x26010013;

std::vector<WindowFields> SampleWindows();
std::vector<uint8_t> SampleBytes();

// The routine a binding offset becomes once relocated by codeBase.
uint32_t Relocated(int32_t offset, uint32_t codeBase);

void ExpectRecordMatches(const ComponentRecord& record, const ComponentFields& fields, uint32_t codeBase);

}  // namespace velmora::forms_test
