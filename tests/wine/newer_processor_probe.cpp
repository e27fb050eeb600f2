// A program made of instructions the 386 lacks, one each, for the ABI check to name every one:
// the prefixed forms (lock cmpxchg, lock xadd), the long nop, and registers of later extensions,
// even under a 386 mnemonic (SSE2's movsd, not the string move).
extern "C" void __stdcall ProbeMain() {
  asm volatile(
      "lock cmpxchg %%ecx, (%%eax)\n lock xadd %%ecx, (%%eax)\n ud2\n fisttpl (%%eax)\n endbr32\n"
      "popcnt %%eax, %%ecx\n movbe (%%eax), %%ecx\n rdrand %%eax\n xgetbv\n bswap %%eax\n"
      "cpuid\n rdtsc\n cmove %%ecx, %%eax\n fcomi %%st(1), %%st\n nopl 0(%%eax)\n"
      "movd %%eax, %%xmm0\n tzcnt %%eax, %%ecx\n lfence\n movsd (%%eax), %%xmm0" ::
          : "eax", "ecx", "edx", "memory");
}
