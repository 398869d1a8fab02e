// A test hook of the store: the Nth write from now (a post, a statement, a
// commit) fails as a disk error would, so tests can check that nothing half
// written remains.
#pragma once

namespace InjecaoFalhas {
// 0 = never.
void falharNaEscrita(int n);
bool deveFalhar();
} // namespace InjecaoFalhas
