#pragma once
// The host link library: maps of named values, the design-tree link and the monitor.
#include "link/ArrayMap.h"
#include "link/COrvelTLLink.h"
#include "link/MonitorLink.h"
#include "link/ScalarMap.h"
