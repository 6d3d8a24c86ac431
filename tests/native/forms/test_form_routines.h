// The routines that the test form binds.
#pragma once

namespace velmora::forms_test {

void SettingsCreated();
int NameChanged(int length);
void OkClicked();

}  // namespace velmora::forms_test
