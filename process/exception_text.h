// The texts of the exception report box.
#ifndef ZEK_PROCESS_EXCEPTION_TEXT_H
#define ZEK_PROCESS_EXCEPTION_TEXT_H

#include <cstddef>
#include <cstdint>

extern const char kExceptionCaption[];

// The box text for a structured exception code into out (size bytes, at
// least 1); a code outside the table is written into the general text in
// lower-case hexadecimal.
void exception_text(uint32_t code, char *out, size_t size);

#endif
