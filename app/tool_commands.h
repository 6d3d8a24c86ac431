// The library commands as the tool calls them: typed wrappers that build the value records, call
// through the command-call entries and take ownership of what comes back.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "commands/object_value.h"
#include "runtime/heap_block.h"

namespace velmora::tool {

// Core library.
int32_t ScreenWidth() noexcept;
int32_t ScreenHeight() noexcept;
int32_t InfoBox(const char* text, int32_t flags) noexcept;
int32_t InfoBox(const char* text, int32_t flags, const char* caption) noexcept;
double CurrentTime() noexcept;  // an OLE date in whole seconds
Text ToText(int32_t value) noexcept;
Text DateTimeText(double dateTime) noexcept;
Text BytesText(const char* bytes, int32_t length) noexcept;  // ToText(BytesLeft(bytes, length))
int32_t ToInteger(const char* text) noexcept;
Text TextLeft(const char* text, int32_t count) noexcept;
// The 1-based position of the last occurrence, stepping over double-byte characters; -1 when none.
int32_t FindTextBackward(const char* text, const char* sought) noexcept;
int32_t BitAnd(int32_t left, int32_t right) noexcept;
int32_t BitOr(int32_t left, int32_t right) noexcept;
// Every part, each an owned text (null for an empty part).
std::vector<Text> SplitText(const char* text, const char* separator) noexcept;

bool FileExists(const char* path) noexcept;
int32_t FileAttributes(const char* path) noexcept;
bool MakeDirectory(const char* path) noexcept;
int32_t OpenFile(const char* path, int32_t openMode, int32_t shareMode) noexcept;
void CloseFile(int32_t file) noexcept;
bool SeekToEnd(int32_t file) noexcept;
Text ReadLine(int32_t file) noexcept;
bool WriteLines(int32_t file, const char* line) noexcept;

// The common dialog component's method, on the component named by window and component id.
bool CommonDialogOpen(uint32_t windowId, uint32_t componentId) noexcept;

// Shell library.
Text ShortcutTarget(const char* linkPath) noexcept;
Text BrowseForFolder(const char* title) noexcept;
Text SpecialFolderPath(int32_t id) noexcept;
void Delay(int32_t milliseconds) noexcept;

// Object library: an automation object that is released when it goes.
class Object {
  public:
    Object() = default;
    Object(Object&& other) noexcept : value_(std::exchange(other.value_, ObjectValue{})) {}
    Object& operator=(Object&& other) noexcept;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() { Clear(); }

    bool IsEmpty() noexcept;
    void Clear() noexcept;
    ObjectValue* variable() noexcept { return &value_; }

  private:
    ObjectValue value_ = {};
};

bool ObjectCreate(Object& object, const char* className, const char* typeLibrary) noexcept;
// A method with no argument (argument null) or one text argument.
Object ObjectCallForObject(Object& object, const char* method, const char* argument) noexcept;
bool ObjectSetProperty(Object& object, const char* name, const char* text) noexcept;

}  // namespace velmora::tool
