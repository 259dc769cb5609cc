#pragma once
// Whether the program runs on Wine rather than on Windows: some of the
// system's costs and habits differ between the two.

namespace zelvio {

bool runsUnderWine();

}  // namespace zelvio
