#pragma once
#include "workers/console_table.h"
