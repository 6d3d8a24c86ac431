// Random and mutated template data: the reader must fail or succeed cleanly, never read outside the
// data (run under the address sanitizer), and every accessor of what it read must stay in bounds.
#include <gtest/gtest.h>

#include <random>

#include "runtime/forms/template_reader.h"
#include "runtime/forms/unit_properties.h"
#include "tests/native/forms/template_samples.h"

namespace velmora::forms_test {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t TouchEveryField(TemplateCollection& collection) {
    uint32_t sum = 0;
    for (uint32_t w = 0; w < collection.WindowCount(); ++w) {
        WindowTemplate& window = collection.Window(w);
        sum += static_cast<uint32_t>(window.FirstText().size() + window.SecondText().size());
        for (uint32_t c = 0; c < window.ComponentCount(); ++c) {
            const ComponentRecord& record = window.Record(c);
            sum += record.UnitType() + record.EventSource() + static_cast<uint8_t>(record.Name()[0]) +
                   static_cast<uint8_t>(record.SecondText()[0]) + static_cast<uint8_t>(record.Tag()[0]) +
                   static_cast<uint8_t>(record.MenuCaption()[0]);
            sum += static_cast<uint32_t>(record.Left()) + static_cast<uint32_t>(record.Top()) +
                   static_cast<uint32_t>(record.Width()) + static_cast<uint32_t>(record.Height());
            sum += record.Container() + record.StateFlags() + record.MenuState() + record.MenuRoutine();
            for (uint32_t k = 0; k < record.ContainedCount(); ++k) {
                sum += record.ContainedId(k);
            }
            for (const uint8_t byte : record.MousePointer()) {
                sum += byte;
            }
            for (uint32_t e = 0; e < record.BindingCount(); ++e) {
                sum += record.Binding(e).routine;
            }
            const std::span<const uint8_t> unit = record.UnitProperties();
            for (const uint8_t byte : unit) {
                sum += byte;
            }
            if (ReadWindowUnitProperties(unit)) {
                ++sum;
            }
            if (const std::optional<PropertyList> list = PropertyList::Parse(unit)) {
                sum += static_cast<uint32_t>(list->Integer(0, 0)) + static_cast<uint32_t>(list->Text(1).size());
            }
        }
        if (window.TakePristineCopy()) {
            window.Record(0).SetLeft(1);
            window.RestorePristineCopy();
        }
    }
    return sum;
}

void ReadAndTouch(const Bytes& bytes) {
    const Bytes exact(bytes.begin(), bytes.end());
    std::optional<TemplateCollection> collection = ReadTemplateData(exact, 0x400000);
    if (collection) {
        TouchEveryField(*collection);
    }
}

void Mutate(Bytes& bytes, std::mt19937& random) {
    static constexpr uint32_t kWords[] = {0, 1, 4, 8, 0x7F, 0xFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x20000000};
    const auto at = [&](size_t size) { return std::uniform_int_distribution<size_t>(0, size - 1)(random); };
    switch (random() % 5) {
        case 0:
            bytes[at(bytes.size())] ^= static_cast<uint8_t>(1u << (random() % 8));
            break;
        case 1:
            bytes[at(bytes.size())] = static_cast<uint8_t>(random());
            break;
        case 2:
            if (bytes.size() >= 4) {
                const size_t position = at(bytes.size() - 3);
                const uint32_t word = kWords[random() % std::size(kWords)];
                for (int b = 0; b < 4; ++b) {
                    bytes[position + b] = static_cast<uint8_t>(word >> (8 * b));
                }
            }
            break;
        case 3:
            bytes.resize(at(bytes.size()));
            break;
        default:
            bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at(bytes.size())), static_cast<uint8_t>(random()));
            break;
    }
}

TEST(TemplateFuzz, RandomBytesNeverCrash) {
    std::mt19937 random(20240501);
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes(random() % 200);
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(random());
        }
        // A plausible window map now and then, so that the reader gets past its first word.
        if (bytes.size() >= 4 && round % 2 == 0) {
            bytes[0] = 8;
            bytes[1] = bytes[2] = bytes[3] = 0;
        }
        ReadAndTouch(bytes);
    }
}

TEST(TemplateFuzz, MutatedTemplatesNeverCrash) {
    std::mt19937 random(7);
    const Bytes sample = SampleBytes();
    int readable = 0;
    for (int round = 0; round < 30000; ++round) {
        Bytes bytes = sample;
        const int mutations = 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations && !bytes.empty(); ++m) {
            Mutate(bytes, random);
        }
        const Bytes exact(bytes.begin(), bytes.end());
        std::optional<TemplateCollection> collection = ReadTemplateData(exact, 0x400000);
        if (collection) {
            ++readable;
            TouchEveryField(*collection);
        }
    }
    // Mutations inside texts and unit properties keep the data readable: the accessors were exercised.
    EXPECT_GT(readable, 100);
}

}  // namespace
}  // namespace velmora::forms_test
