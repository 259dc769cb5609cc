#pragma once
// Resource numbers shared by the programs' resource scripts (app/resources)
// and the backend that loads them. Plain macros: the resource compiler reads
// this file too.

// The program's icon group: the first, so Explorer and the Start Menu show it.
#define ZELVIO_ICON 1
