// Resource ids of Monitor.exe, shared by its resource script and its code.
#pragma once

#define IDI_MONITOR 128
