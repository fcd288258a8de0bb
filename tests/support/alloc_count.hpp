// Every heap allocation of a program that links alloc_count.cpp (which
// replaces operator new) is counted, so that a test or a benchmark can show
// that a search allocates nothing.
#pragma once

#include <atomic>

extern std::atomic<long> g_velmora_allocations;
