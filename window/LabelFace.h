// SPDX-License-Identifier: MIT
#pragma once

namespace diruvari {

// The face that the labels ask for: the designed one where the system has
// it, otherwise the bundled blackletter face. Only a bundled face that did
// not load (a broken build) leaves them in the toolkit's default face, and
// then this says so on standard error, so that the labels never fall to a
// plain face unsaid. Null for the default face.
const char* labelFace(bool designedInstalled, bool bundledLoaded);

}  // namespace diruvari
