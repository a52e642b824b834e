// The named shared-memory block through which Option and Monitor share one
// ProfileSet. Each program holds at most one view of it; every copy in or out
// is a whole record taken under the block's named mutex, so neither program
// ever sees a half-written record.
#pragma once

#include "settings/profile_set.h"

// Monitor: creates the guarding mutex (not owned) and the block, open to
// every account. 1 on success, 0 if the block can't be made.
int CreateSharedBlock();
// Option: opens the guarding mutex and the block. 0 if the block doesn't exist
// (Monitor isn't running), and 0 after telling the user if it can't be mapped.
int OpenSharedBlock();
// Whole-record copies under the mutex. 0 without copying when no block is
// open or the mutex wait fails or finds the mutex abandoned (a program died
// in the middle of a copy, so the block may be torn).
int ReadSharedBlock(ProfileSet& dest);
int WriteSharedBlock(const ProfileSet& src);
// Unmaps the block and closes its handles; 0 if none was open.
int CloseSharedBlock();
// True when some process holds the guarding mutex open (a Monitor owns the
// block).
bool SharedBlockMutexExists();
