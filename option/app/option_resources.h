// Resource ids of Option.exe, shared by its resource script and its code.
#pragma once

#define IDI_OPTION 128
