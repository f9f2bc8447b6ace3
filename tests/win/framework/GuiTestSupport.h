#pragma once
// The GUI test helpers live in tests/win/support; this name gathers them for the tests that
// still include it (the large scroll bar test). New tests include the support headers.
#include "support/Dialogs.h"
#include "support/Pump.h"
#include "support/WindowQueries.h"
