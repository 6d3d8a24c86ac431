#include <gtest/gtest.h>

#include <string>

#include "runtime/exit_routines.h"

namespace velmora {
namespace {

std::string calls;

void First() {
    calls += "1";
}
void Second() {
    calls += "2";
}
void Third() {
    calls += "3";
}
void RegistersFirstAndThird() {
    calls += "R";
    RegisterExitRoutine(First);
    RegisterExitRoutine(Third);
}

class ExitRoutinesTest : public ::testing::Test {
  protected:
    void SetUp() override { calls.clear(); }
    void TearDown() override { DiscardExitRoutines(); }
};

TEST_F(ExitRoutinesTest, RunOnceEachInRegistrationOrder) {
    RegisterExitRoutine(Second);
    RegisterExitRoutine(First);
    RegisterExitRoutine(Second);
    RegisterExitRoutine(Third);
    RegisterExitRoutine(First);
    RunExitRoutines();
    EXPECT_EQ(calls, "213");
    RunExitRoutines();
    EXPECT_EQ(calls, "213") << "the list is empty after running";
}

TEST_F(ExitRoutinesTest, DiscardedRoutinesNeverRun) {
    RegisterExitRoutine(First);
    RegisterExitRoutine(Second);
    DiscardExitRoutines();
    RunExitRoutines();
    EXPECT_EQ(calls, "");
}

TEST_F(ExitRoutinesTest, ARoutineRegisteredWhileRunningRunsToo) {
    RegisterExitRoutine(First);
    RegisterExitRoutine(RegistersFirstAndThird);
    RunExitRoutines();
    EXPECT_EQ(calls, "1R3");
}

TEST_F(ExitRoutinesTest, ManyRoutinesGrowTheList) {
    // Twelve distinct routines: more than the first allocation of the list holds.
    static std::string order;
    order.clear();
    using Routine = void (*)();
    const Routine routines[] = {
        [] { order += 'a'; }, [] { order += 'b'; }, [] { order += 'c'; }, [] { order += 'd'; },
        [] { order += 'e'; }, [] { order += 'f'; }, [] { order += 'g'; }, [] { order += 'h'; },
        [] { order += 'i'; }, [] { order += 'j'; }, [] { order += 'k'; }, [] { order += 'l'; },
    };
    for (Routine routine : routines) {
        RegisterExitRoutine(routine);
        RegisterExitRoutine(routines[0]);
    }
    RunExitRoutines();
    EXPECT_EQ(order, "abcdefghijkl");
}

}  // namespace
}  // namespace velmora
