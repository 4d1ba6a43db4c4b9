// The engine's C interface, declared for this layer: strings, the
// reference-counted base of every engine structure, and the exported string
// functions. Layouts are checked in layout_checks.cpp.
#pragma once

#include <cstddef>
#include <cstdint>

// Functions in the engine's tables use the standard calling convention on
// 32-bit Windows; exported functions and string destructors use the C one.
#if defined(_WIN64)
#define ENGINE_CALLBACK
#else
#define ENGINE_CALLBACK __stdcall
#endif

extern "C" {

struct cef_string_utf16_t {
    wchar_t* str;
    std::size_t length;
    void (*dtor)(wchar_t* str);
};
using cef_string_t = cef_string_utf16_t;
// A string the engine allocated for the caller, freed with cef_string_userfree_utf16_free.
using cef_string_userfree_t = cef_string_utf16_t*;

struct cef_string_utf8_t {
    char* str;
    std::size_t length;
    void (*dtor)(char* str);
};

using cef_string_list_t = void*;

struct cef_base_t {
    std::size_t size;
    void(ENGINE_CALLBACK* add_ref)(cef_base_t* self);
    int(ENGINE_CALLBACK* release)(cef_base_t* self);
    int(ENGINE_CALLBACK* has_one_ref)(cef_base_t* self);
};

// A slot of an engine table that this layer never calls; it keeps the offsets.
using cef_unused_slot_t = void (*)();

int cef_string_utf16_set(const wchar_t* src, std::size_t src_len, cef_string_utf16_t* output, int copy);
void cef_string_utf16_clear(cef_string_utf16_t* str);
void cef_string_utf8_clear(cef_string_utf8_t* str);
int cef_string_utf8_to_utf16(const char* src, std::size_t src_len, cef_string_utf16_t* output);
int cef_string_utf16_to_utf8(const wchar_t* src, std::size_t src_len, cef_string_utf8_t* output);
void cef_string_userfree_utf16_free(cef_string_userfree_t str);

int cef_string_list_size(cef_string_list_t list);
int cef_string_list_value(cef_string_list_t list, int index, cef_string_t* value);

const char* cef_api_hash(int entry);

}  // extern "C"
