#include "runtime/runtime_error_text.h"

#include <array>

namespace velmora {
namespace {

constexpr uint32_t kKindMask = 0x0F000000;
constexpr uint32_t kKindWindow = 0x02000000;

constexpr std::array<const char*, 12> kMessages = {
    "",
    "数组成员引用下标超出定义范围",
    "未得到所需要的数值型数据",
    "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
    "数组成员引用下标必须大于等于1",
    "数据或数组类型不匹配",
    "调用DLL命令后发现堆栈错误",
    "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
    "被比较数据只能使用等于或不等于命令比较",
    "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
    "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
    "所提供参数的数据类型不符合要求",
};

void AppendQuoted(std::string& text, const char* tag) {
    text += "\r\n\"";
    text += tag == nullptr ? "" : tag;
    text += '"';
}

std::string LocationText(uint32_t first, uint32_t second, RecordTagFinder finder) {
    std::string text =
        "\r\n" + std::to_string(static_cast<int32_t>(first)) + ", " + std::to_string(static_cast<int32_t>(second));
    if (first != 0 && (first & kKindMask) == kKindWindow) {
        const RecordTags tags = finder != nullptr ? finder(first, second) : RecordTags{};
        if (!tags.windowFound) {
            text += "\r\n未找到所指定的窗口";
        } else {
            AppendQuoted(text, tags.windowTag);
            if (tags.componentFound) {
                AppendQuoted(text, tags.componentTag);
            } else {
                text += "\r\n未找到所指定的窗口组件";
            }
        }
    }
    return text + "\r\n";
}

}  // namespace

const char* RuntimeErrorMessage(int32_t code) noexcept {
    if (code < 0 || static_cast<size_t>(code) >= kMessages.size()) {
        return "";
    }
    return kMessages[static_cast<size_t>(code)];
}

std::string BuildRuntimeErrorText(const char* message,
                                  int32_t code,
                                  uint32_t first,
                                  uint32_t second,
                                  RecordTagFinder finder) {
    std::string text = "运行时出错!\r\n";
    if (code != 0) {
        text += "\r\n错误代码：" + std::to_string(code) + "\r\n";
    }
    if (message != nullptr && message[0] != '\0') {
        text += "\r\n错误信息：";
        text += message;
        text += "\r\n";
    }
    return text + LocationText(first, second, finder);
}

// The size is unsigned: a request above 2 GB reads as what was asked, not as a negative number.
std::string AllocationFailureMessage(uint32_t size) {
    return "分配 " + std::to_string(size) + " 字节内存失败!";
}

}  // namespace velmora
