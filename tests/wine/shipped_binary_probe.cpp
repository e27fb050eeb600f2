// A program (or DLL) for the checks of the shipped binaries: as plain as one can be, or with an
// entry in the constructor list (PROBE_CONSTRUCTOR: a global object that needs constructing), or
// two in the destructor list and none in the other (PROBE_DESTRUCTOR), as mingw-w64's compiler and
// a hand-made list entry leave them.
#if defined(PROBE_CONSTRUCTOR)
struct NeedsConstruction {
  NeedsConstruction();
  int value;
};
NeedsConstruction::NeedsConstruction() : value(42) {}
NeedsConstruction constructedAtStart;
#elif defined(PROBE_DESTRUCTOR)
static void CleanUp() {}
__attribute__((section(".dtors"), used)) void (*const firstDestructor)() = CleanUp;
__attribute__((section(".dtors"), used)) void (*const secondDestructor)() = CleanUp;
#endif

extern "C" void __stdcall ProbeMain() {}
