/* Added to the linker's default script for every shipped binary; the rest of it stays as it is. */

/* Nothing unwinds through a shipped binary's frames and nothing would register the tables, nor
   read the exception tables: none are kept, libgcc's own (its 64-bit division) included. The
   same sections the default script keeps in .eh_frame and beside .rdata. */
SECTIONS
{
  /DISCARD/ : { *(.eh_frame*) *(.gcc_except_table) *(.gcc_exc) }
}
INSERT BEFORE .text;

/* The default script ends .text with the lists of constructors and destructors, -1 and 0 around
   each, and nothing runs them: a shipped binary has no C runtime start-up. Both must be empty,
   and end .text, where check-abi leaves them out of the code it reads. The other checks hold
   wherever the lists lie (ld may test them in any order), so that lists another toolchain puts
   elsewhere are named as such. */
ASSERT(___CTOR_LIST__ >= ADDR(.text) && ___DTOR_LIST__ + 8 <= ADDR(.text) + SIZEOF(.text), "the lists of constructors and destructors lie outside .text, where check-abi expects them at its end: this linker's default script places them elsewhere");
ASSERT(___DTOR_LIST__ + 8 > ADDR(.text) + SIZEOF(.text) || ___DTOR_LIST__ - ___CTOR_LIST__ == 8, "a global object needs a constructor run at start-up, and a shipped binary has no C runtime start-up to run it");
ASSERT(___DTOR_LIST__ + 8 > ADDR(.text) + SIZEOF(.text) || etext - ___DTOR_LIST__ == 8, "a destructor is listed to run at exit (or code follows the list), and a shipped binary has no C runtime start-up to run it");
ASSERT(ADDR(.text) + SIZEOF(.text) == etext, "the lists of constructors and destructors must end .text, where check-abi expects them");
