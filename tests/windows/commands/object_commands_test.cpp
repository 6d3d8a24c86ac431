#include "commands/object_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

#include "commands/dispatch_call.h"
#include "commands/object_value.h"
#include "commands/shell_commands.h"
#include "tests/native/commands/value_builders.h"
#include "tests/support/build_paths.h"

namespace velmora::test {
namespace {

ValueRecord Reference(ObjectValue& variable) {
    return Record(kTypeObject | kReferenceFlag, reinterpret_cast<uintptr_t>(&variable));
}

class ObjectCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override {
        Clear(shell_);
        Clear(shortcut_);
        OleUninitialize();
    }

    static bool Create(ObjectValue& variable, std::initializer_list<ValueRecord> rest) {
        std::vector<ValueRecord> args{Reference(variable)};
        args.insert(args.end(), rest);
        Result created;
        ObjectCreate(created.get(), static_cast<int32_t>(args.size()), args.data());
        EXPECT_EQ(created.record().type, kTypeBoolean);
        return created.AsInteger() != 0;
    }

    static void Clear(ObjectValue& variable) {
        Result none;
        Call(ObjectClear, none, {Reference(variable)});
    }

    static bool IsEmpty(ObjectValue& variable) {
        Result empty;
        Call(ObjectIsEmpty, empty, {Reference(variable)});
        return empty.AsInteger() != 0;
    }

    static ObjectValue CallForObject(ObjectValue& object, const char* method, std::initializer_list<ValueRecord> rest) {
        std::vector<ValueRecord> args{Reference(object), Text(method)};
        args.insert(args.end(), rest);
        ValueRecord result{};
        ObjectCallForObject(&result, static_cast<int32_t>(args.size()), args.data());
        EXPECT_EQ(result.type, kTypeObject);
        return {reinterpret_cast<IUnknown*>(static_cast<uintptr_t>(result.low)),
                reinterpret_cast<void*>(static_cast<uintptr_t>(result.high))};
    }

    static bool SetProperty(ObjectValue& object, const char* name, ValueRecord value) {
        Result set;
        Call(ObjectSetProperty, set, {Reference(object), Text(name), value});
        return set.AsInteger() != 0;
    }

    ObjectValue shell_{};
    ObjectValue shortcut_{};
};

TEST_F(ObjectCommandsTest, WshShellWritesAShortcutThatReadsBack) {
    ASSERT_TRUE(Create(shell_, {Text("WshShell"), Text("wshom.ocx")}));
    EXPECT_FALSE(IsEmpty(shell_));

    const std::string directory = MakeScratchDirectory("object-commands");
    const std::string target = directory + "\\目标.txt";
    std::ofstream(target) << "x";
    const std::string link = directory + "\\我的快捷方式.lnk";
    shortcut_ = CallForObject(shell_, "CreateShortcut", {Text(link.c_str()), Omitted()});
    ASSERT_EQ(LastCallStatus(), 0);
    ASSERT_FALSE(IsEmpty(shortcut_));
    EXPECT_TRUE(SetProperty(shortcut_, "TargetPath", Text(target.c_str())));
    EXPECT_TRUE(SetProperty(shortcut_, "WorkingDirectory", Text(directory.c_str())));

    // Save returns nothing, which is no object: the call is made all the same.
    ObjectValue saved = CallForObject(shortcut_, "Save", {});
    EXPECT_EQ(LastCallStatus(), -8);
    EXPECT_EQ(saved.object, nullptr);

    Result readBack;
    Call(ShortcutTarget, readBack, {Text(link.c_str())});
    EXPECT_EQ(readBack.AsText(), target);
}

TEST_F(ObjectCommandsTest, FailedCallsSayWhyInTheStatus) {
    ASSERT_TRUE(Create(shell_, {Text("WshShell"), Text("wshom.ocx")}));
    shortcut_ = CallForObject(shell_, "CreateShortcut", {Text("C:\\x.lnk")});
    ASSERT_FALSE(IsEmpty(shortcut_));

    EXPECT_FALSE(SetProperty(shortcut_, "TargetPth", Text("C:\\a.txt")));
    EXPECT_EQ(LastCallStatus(), -3);
    int32_t otherThreadStatus = 1;
    std::thread([&] { otherThreadStatus = LastCallStatus(); }).join();
    EXPECT_EQ(otherThreadStatus, 0) << "the status is kept per thread";

    ObjectValue empty{};
    EXPECT_FALSE(SetProperty(empty, "TargetPath", Text("C:\\a.txt")));
    EXPECT_EQ(LastCallStatus(), -1);

    EXPECT_FALSE(SetProperty(shortcut_, "TargetPath", Record(kTypeBytes, 0)));
    EXPECT_EQ(LastCallStatus(), -7);

    ObjectValue none = CallForObject(shell_, "CreateShortcut", {Text("a"), Text("b"), Text("c")});
    EXPECT_EQ(none.object, nullptr);
    EXPECT_EQ(LastCallStatus(), -5);

    EXPECT_TRUE(SetProperty(shortcut_, "TargetPath", Text("C:\\a.txt")));
    EXPECT_EQ(LastCallStatus(), 0);
}

TEST_F(ObjectCommandsTest, CreationByProgIdAndFailureKeepTheVariable) {
    ASSERT_TRUE(Create(shell_, {Text("WScript.Shell")}));
    IUnknown* before = shell_.object;
    EXPECT_FALSE(Create(shell_, {Text("No.Such.ProgId")}));
    EXPECT_FALSE(Create(shell_, {Text("{00000000-0000-0000-0000-000000000001}")}));
    EXPECT_FALSE(Create(shell_, {Text("NoSuchClass"), Text("wshom.ocx")}));
    EXPECT_EQ(shell_.object, before);

    Clear(shell_);
    EXPECT_TRUE(IsEmpty(shell_));
    Clear(shell_);
    EXPECT_TRUE(IsEmpty(shell_));

    // A library named by its full path is loaded from there (and registered).
    char system[MAX_PATH];
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    const std::string fullPath = std::string(system) + "\\wshom.ocx";
    EXPECT_TRUE(Create(shell_, {Text("WshShell"), Text(fullPath.c_str())}));
}

TEST_F(ObjectCommandsTest, ObjectsPassedByValueWorkLikeVariables) {
    ASSERT_TRUE(Create(shell_, {Text("WshShell"), Text("wshom.ocx")}));
    shortcut_ = CallForObject(shell_, "CreateShortcut", {Text("C:\\y.lnk")});
    const ValueRecord byValue = Record(kTypeObject, reinterpret_cast<uintptr_t>(shortcut_.object));
    Result set;
    Call(ObjectSetProperty, set, {byValue, Text("TargetPath"), Text("C:\\b.txt")});
    EXPECT_EQ(set.AsInteger(), 1);
    Result empty;
    Call(ObjectIsEmpty, empty, {byValue});
    EXPECT_EQ(empty.AsInteger(), 0);
    Call(ObjectIsEmpty, empty, {Record(kTypeObject, 0)});
    EXPECT_EQ(empty.AsInteger(), 1);
}

// Dictionary.Add takes its key and item as VARIANT*: program variables passed by reference travel as
// by-reference VARIANTs, plain values as they are; a repeated key is the callee's exception.
TEST_F(ObjectCommandsTest, ByReferenceValuesReachTheCallee) {
    ObjectValue dictionary{};
    ASSERT_TRUE(Create(dictionary, {Text("Scripting.Dictionary")}));
    char key[] = "键";
    char* keyVariable = key;
    int32_t item = 5;
    const ValueRecord keyByReference = Record(kTypeText | kReferenceFlag, reinterpret_cast<uintptr_t>(&keyVariable));
    const ValueRecord itemByReference = Record(kTypeInteger | kReferenceFlag, reinterpret_cast<uintptr_t>(&item));

    CallForObject(dictionary, "Add", {keyByReference, itemByReference});
    EXPECT_EQ(LastCallStatus(), -8) << "added; Add returns nothing";
    CallForObject(dictionary, "Add", {Text("键"), Integer(6)});
    EXPECT_EQ(LastCallStatus(), -11) << "the same key again";
    CallForObject(dictionary, "Add", {Text("other"), itemByReference});
    EXPECT_EQ(LastCallStatus(), -8);
    EXPECT_EQ(keyVariable, key) << "an input-only argument leaves the variable alone";
    Clear(dictionary);
}

}  // namespace
}  // namespace velmora::test
