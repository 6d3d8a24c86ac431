#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "runtime/forms/identifiers.h"
#include "runtime/forms/template_reader.h"
#include "tests/native/forms/template_samples.h"

namespace velmora::forms_test {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Get(const Bytes& bytes, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

void Put(Bytes& bytes, size_t at, uint32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);
}

// Positions in the data of the first window of the sample, worked out independently of the reader.
struct Layout {
    explicit Layout(const Bytes& bytes) : windows(Get(bytes, 0) / 8) {
        const size_t first = 4 + 8 * windows;
        firstText = first + 8;
        count = first + 16 + Get(bytes, first + 8);
        count += Get(bytes, count - 4);
        const uint32_t components = Get(bytes, count);
        blockLength = count + 4;
        ids = blockLength + 4;
        offsets = ids + 4 * components;
        area = offsets + 4 * components;
        areaSize = Get(bytes, blockLength) - 8 * components;
    }
    size_t windows;
    size_t firstText = 0;
    size_t count = 0;
    size_t blockLength = 0;
    size_t ids = 0;
    size_t offsets = 0;
    size_t area = 0;
    size_t areaSize = 0;

    size_t RecordLength(const Bytes& bytes, size_t index) const { return area + Get(bytes, offsets + 4 * index); }
    size_t Record(const Bytes& bytes, size_t index) const { return RecordLength(bytes, index) + 4; }
};

// Field positions inside one record that is not a menu item.
struct RecordLayout {
    RecordLayout(const Bytes& bytes, size_t record) {
        const char* name = reinterpret_cast<const char*>(bytes.data() + record + 24);
        const size_t secondText = 24 + std::strlen(name) + 1;
        fixed = secondText + std::strlen(name + secondText - 24) + 1;
        containedCount = fixed + 28;
        pointer = containedCount + 4 + 4 * Get(bytes, record + containedCount);
        const size_t tag = pointer + 4 + Get(bytes, record + pointer);
        const size_t flags = tag + std::strlen(reinterpret_cast<const char*>(bytes.data() + record + tag)) + 1 + 4;
        bindingCount = flags + 8;
        unit = bindingCount + 4 + 8 * Get(bytes, record + bindingCount);
    }
    size_t fixed;
    size_t containedCount;
    size_t pointer;
    size_t bindingCount;
    size_t unit;
};

bool Reads(const Bytes& bytes) {
    // An exact-size copy, so that a read past the end is caught by the address sanitizer.
    const Bytes exact(bytes.begin(), bytes.end());
    return ReadTemplateData(exact, 0x400000).has_value();
}

TEST(MalformedTemplate, TheSampleItselfReads) {
    ASSERT_TRUE(Reads(SampleBytes()));
}

TEST(MalformedTemplate, EveryTruncationFails) {
    const Bytes bytes = SampleBytes();
    for (size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(Reads(Bytes(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(size)))) << "size " << size;
    }
}

TEST(MalformedTemplate, TrailingBytesFail) {
    Bytes bytes = SampleBytes();
    bytes.push_back(0);
    EXPECT_FALSE(Reads(bytes));
}

TEST(MalformedTemplate, EveryRecordCutBeforeItsUnitPropertiesFails) {
    const Bytes bytes = SampleBytes();
    const Layout layout(bytes);
    for (size_t index = 0; index < 5; ++index) {
        const size_t lengthWord = layout.RecordLength(bytes, index);
        const uint32_t length = Get(bytes, lengthWord);
        const bool menuItem = Get(bytes, lengthWord + 4) == kUnitMenuItem;
        const size_t needed = menuItem ? length : RecordLayout(bytes, lengthWord + 4).unit;
        for (uint32_t shorter = 0; shorter < needed; ++shorter) {
            Bytes cut = bytes;
            Put(cut, lengthWord, shorter);
            EXPECT_FALSE(Reads(cut)) << "record " << index << " cut to " << shorter;
        }
    }
}

struct Corruption {
    const char* what;
    std::function<void(Bytes&, const Layout&)> apply;
};

void PutInRecord(Bytes& bytes, const Layout& layout, size_t index, size_t field, uint32_t value) {
    const size_t record = layout.Record(bytes, index);
    Put(bytes, record + field, value);
}

TEST(MalformedTemplate, CorruptedFieldsFail) {
    const Corruption corruptions[] = {
        {"window map length not a multiple of 8", [](Bytes& b, const Layout&) { Put(b, 0, 15); }},
        {"window map length past the end", [](Bytes& b, const Layout&) { Put(b, 0, 0xFFFFFFF8); }},
        {"window id of another kind", [](Bytes& b, const Layout&) { Put(b, 4, 0x56010001); }},
        {"window id number 0", [](Bytes& b, const Layout&) { Put(b, 4, 0x52000000); }},
        {"two windows with one id", [](Bytes& b, const Layout&) { Put(b, 8, Get(b, 4)); }},
        {"window text length past the end", [](Bytes& b, const Layout& l) { Put(b, l.firstText, 0xFFFFFFFF); }},
        {"no components", [](Bytes& b, const Layout& l) { Put(b, l.count, 0); }},
        {"component count whose table size overflows", [](Bytes& b, const Layout& l) { Put(b, l.count, 0x20000001); }},
        {"component count past the block", [](Bytes& b, const Layout& l) { Put(b, l.count, Get(b, l.blockLength)); }},
        {"block length past the end", [](Bytes& b, const Layout& l) { Put(b, l.blockLength, 0xFFFFFFFF); }},
        {"block length one too long",
         [](Bytes& b, const Layout& l) { Put(b, l.blockLength, Get(b, l.blockLength) + 1); }},
        {"own record id of another kind", [](Bytes& b, const Layout& l) { Put(b, l.ids, 0x02010000); }},
        {"component id of another kind", [](Bytes& b, const Layout& l) { Put(b, l.ids + 4, 0x12010010); }},
        {"component id number 0", [](Bytes& b, const Layout& l) { Put(b, l.ids + 4, 0x06010000); }},
        {"two components with one id", [](Bytes& b, const Layout& l) { Put(b, l.ids + 8, Get(b, l.ids + 4)); }},
        {"offset at the end of the record area",
         [](Bytes& b, const Layout& l) { Put(b, l.offsets + 4, static_cast<uint32_t>(l.areaSize)); }},
        {"offset with half a length word left",
         [](Bytes& b, const Layout& l) { Put(b, l.offsets + 4, static_cast<uint32_t>(l.areaSize - 2)); }},
        {"offset far outside", [](Bytes& b, const Layout& l) { Put(b, l.offsets, 0xFFFFFFFC); }},
        {"record length past the area",
         [](Bytes& b, const Layout& l) {
             const size_t word = l.RecordLength(b, 4);
             Put(b, word, static_cast<uint32_t>(l.area + l.areaSize - word - 4 + 1));
         }},
        {"record length 0xFFFFFFFF", [](Bytes& b, const Layout& l) { Put(b, l.RecordLength(b, 1), 0xFFFFFFFF); }},
        {"own record is a menu item", [](Bytes& b, const Layout& l) { PutInRecord(b, l, 0, 0, kUnitMenuItem); }},
        {"contained count past the record",
         [](Bytes& b, const Layout& l) {
             PutInRecord(b, l, 1, RecordLayout(b, l.Record(b, 1)).containedCount, 0x100);
         }},
        {"contained count whose size overflows",
         [](Bytes& b, const Layout& l) {
             PutInRecord(b, l, 1, RecordLayout(b, l.Record(b, 1)).containedCount, 0x40000001);
         }},
        {"mouse-pointer length past the record",
         [](Bytes& b, const Layout& l) { PutInRecord(b, l, 1, RecordLayout(b, l.Record(b, 1)).pointer, 0xFFFFFFFF); }},
        {"binding count past the record",
         [](Bytes& b, const Layout& l) { PutInRecord(b, l, 2, RecordLayout(b, l.Record(b, 2)).bindingCount, 0x1000); }},
        {"binding count whose size overflows",
         [](Bytes& b, const Layout& l) {
             PutInRecord(b, l, 2, RecordLayout(b, l.Record(b, 2)).bindingCount, 0x20000001);
         }},
        {"name without terminator",
         [](Bytes& b, const Layout& l) {
             const size_t record = l.Record(b, 4);
             std::memset(b.data() + record + 24, 'x', Get(b, record - 4) - 24);
         }},
    };
    const Bytes bytes = SampleBytes();
    const Layout layout(bytes);
    for (const Corruption& corruption : corruptions) {
        Bytes corrupted = bytes;
        corruption.apply(corrupted, layout);
        EXPECT_FALSE(Reads(corrupted)) << corruption.what;
    }
}

}  // namespace
}  // namespace velmora::forms_test
