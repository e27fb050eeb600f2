/* Stands in for <stdint.h> where a test compiles the public header as a compiler that lacks it
 * would (Visual C++ before 2010, for one): any use of it is an error. */
#error "<stdint.h> is out of reach here"
