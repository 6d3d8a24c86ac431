// Every routine the tool's window template binds to an event.
#pragma once

#include "app/backup/backup_clicked.h"
#include "app/main_window/path_buttons.h"
#include "app/restore/restore_clicked.h"
