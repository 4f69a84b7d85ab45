// ZEKARXREG: records the suite's modules in the host's application registry
// from zekregister.dat, once while the module stays loaded.
#pragma once

namespace zek {

// Writes the registry from zekregister.dat (each on-demand module's path
// printed on a line of its own, then a line end) and remembers that it did;
// once done it only prints "\nDONE". A missing or unreadable file prints the
// reader's message and leaves it to be run again; so does an entry the
// registry refused (its name printed), after the others are written.
void registerSuiteModules();

// Forgets an earlier run (the module loaded afresh).
void resetSuiteRegistration();

}  // namespace zek
