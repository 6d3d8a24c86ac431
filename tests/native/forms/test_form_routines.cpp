#include "tests/native/forms/test_form_routines.h"

namespace velmora::forms_test {

void SettingsCreated() {}

int NameChanged(int length) {
    return length;
}

void OkClicked() {}

}  // namespace velmora::forms_test
