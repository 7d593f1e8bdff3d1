#pragma once
#include "workers/option_lists.h"
