#pragma once
// The end-to-end driver: starts the real programs under Wine and acts on
// their windows from outside as a user would. Every failure throws
// DriverError saying what was sought and what the program showed instead.

#include "tests/e2e/driver_error.h"
#include "tests/e2e/held_file.h"
#include "tests/e2e/list_boxes.h"
#include "tests/e2e/menus.h"
#include "tests/e2e/message_boxes.h"
#include "tests/e2e/open_dialog.h"
#include "tests/e2e/polling.h"
#include "tests/e2e/test_process.h"
#include "tests/e2e/window_actions.h"
#include "tests/e2e/window_search.h"
#include "tests/e2e/work_directory.h"
