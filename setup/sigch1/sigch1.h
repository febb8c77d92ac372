#pragma once

// Entry points of the cross-section viewer library, bound by Vornw32 at load
// time. Both take no arguments; the caller ignores their results.
extern "C" {
int Crs_Init();
void Crs_Destroy();
}
