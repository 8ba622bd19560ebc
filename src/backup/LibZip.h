#pragma once

#include <zip.h>

// libzip, opened the first time a ZIP file is read or written rather than bound at every start:
// it and the cryptography library it brings cost each start some 2 ms and 1.7 MiB.
namespace LibZip {

// The functions the program calls, each under its own name.
#define TARVENTO_LIBZIP_FUNCTIONS(X)                                                                         \
    X(zip_close)                                                                                             \
    X(zip_discard)                                                                                           \
    X(zip_error_code_zip)                                                                                    \
    X(zip_fclose)                                                                                            \
    X(zip_file_add)                                                                                          \
    X(zip_file_get_external_attributes)                                                                      \
    X(zip_file_set_external_attributes)                                                                      \
    X(zip_file_set_mtime)                                                                                    \
    X(zip_fopen_index)                                                                                       \
    X(zip_fread)                                                                                             \
    X(zip_get_error)                                                                                         \
    X(zip_get_name)                                                                                          \
    X(zip_get_num_entries)                                                                                   \
    X(zip_open)                                                                                              \
    X(zip_register_progress_callback_with_state)                                                             \
    X(zip_source_buffer)                                                                                     \
    X(zip_source_file)                                                                                       \
    X(zip_source_free)                                                                                       \
    X(zip_stat_index)                                                                                        \
    X(zip_stat_init)

struct Functions {
#define TARVENTO_LIBZIP_MEMBER(name) decltype(&::name) name = nullptr;
    TARVENTO_LIBZIP_FUNCTIONS(TARVENTO_LIBZIP_MEMBER)
#undef TARVENTO_LIBZIP_MEMBER
};

// The library's functions, loaded on the first call and kept for the run. Throws Failure, with
// an Italian message naming the library, when it cannot be loaded.
const Functions& functions();

} // namespace LibZip
