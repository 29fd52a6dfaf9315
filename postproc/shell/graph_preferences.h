// The preferences a new graph and its traces take their fonts, digits and tic marks from.
#pragma once

#include "../graph/graph.h"
#include "settings.h"

GraphPreferences graph_preferences(const Settings &settings);
