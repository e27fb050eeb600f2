/*
 * Ostrakin.h: the interface of the Ostrakin chat plug-in, for host authors. This header alone is
 * enough to load and call the plug-in; it compiles as C89 or later (with or without
 * <stdint.h>), or C++11 or later.
 *
 * The host loads Ostrakin.dll (32-bit Windows: 95 OSR2, 98, ME, NT 4.0 and every later version)
 * and resolves these entry points by name. All of them use the C calling convention (__cdecl)
 * and undecorated names. Every text is narrow, NUL-terminated text in the system code page,
 * written into buffers that the host owns; the plug-in keeps no pointer to them after a call
 * returns.
 *
 * Order of calls: none is required. The plug-in keeps no state between calls, so a host may call
 * PublishInfo before or after ParseTag, call Initialize first or never, and call any entry point
 * any number of times. Threads: every entry point may be called from several threads at once,
 * provided each call has buffers of its own; calls share nothing else.
 *
 * Answers contain the control byte 0x02 (STX), in pairs around the frame and the separators, as in
 * "\x02[\x02 512MB \x02/\x02 1024MB \x02]\x02". What it means is the host's: a host that does
 * not use it as formatting should remove it before showing the text.
 */
#ifndef OSTRAKIN_H
#define OSTRAKIN_H

#include <stddef.h>

/* Fixed-width integers: <stdint.h>'s where the compiler has it (C99 and later, C++11 and later,
 * Visual C++ 2010 and later); otherwise the types they stand for on Windows, held to their sizes
 * by the assertions below (long stays 32 bits on 64-bit Windows, so a pointer needs __int64). */
#if defined(__cplusplus) || (defined(__STDC_VERSION__) && __STDC_VERSION__ >= 199901L) || \
    (defined(_MSC_VER) && _MSC_VER >= 1600)
#include <stdint.h>
typedef int32_t OstrakinInt32;
typedef uint32_t OstrakinUint32;
typedef intptr_t OstrakinIntPtr;
#else
typedef int OstrakinInt32;
typedef unsigned int OstrakinUint32;
#if defined(_WIN64) && (defined(__GNUC__) || defined(__clang__))
__extension__ typedef long long OstrakinIntPtr;
#elif defined(_WIN64)
typedef __int64 OstrakinIntPtr;
#else
typedef long OstrakinIntPtr;
#endif
#endif

#if defined(_WIN32)
#define OSTRAKIN_CALL __cdecl
#else
#define OSTRAKIN_CALL
#endif

#if defined(__cplusplus)
#define OSTRAKIN_STATIC_ASSERT(condition, name) static_assert(condition, #name)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define OSTRAKIN_STATIC_ASSERT(condition, name) _Static_assert(condition, #name)
#else
#define OSTRAKIN_STATIC_ASSERT(condition, name) \
  typedef char ostrakin_static_assert_##name[(condition) ? 1 : -1]
#endif

OSTRAKIN_STATIC_ASSERT(sizeof(OstrakinInt32) == 4, int32_size);
OSTRAKIN_STATIC_ASSERT(sizeof(OstrakinUint32) == 4, uint32_size);
OSTRAKIN_STATIC_ASSERT(sizeof(OstrakinIntPtr) == sizeof(void*), intptr_size);

/* The names of the registered window messages a host listens for (RegisterWindowMessageA):
 * the toast request sent by DisplayToast and DisplayToastW, and the notice that Quillaby posts to
 * every top-level window when the plug-in files have changed (wParam 0, lParam 0), so that a
 * running host lets go of its plug-in libraries. */
#define OSTRAKIN_DISPLAY_TOAST_MESSAGE "Zorvanta_DisplayToast"
#define OSTRAKIN_PLUGIN_CHANGE_MESSAGE "Zorvanta_PluginChange"
/* The notification code that ReceiveNotify answers (its reply is described there). */
#define OSTRAKIN_PING_CODE "smppg"

/* The longest answer ParseTag writes, in characters, without its terminator. */
#define OSTRAKIN_LONGEST_ANSWER 295

#ifdef __cplusplus
extern "C" {
#endif

enum {
  OSTRAKIN_CATALOGUE_SLOTS = 50,     /* label slots the host provides */
  OSTRAKIN_CATALOGUE_TEXT_SIZE = 128 /* bytes per label or tag-text slot */
};

/* The host's command list. The plug-in writes only `count` (always 0: it takes no commands);
 * whatever the host keeps behind it is the host's own. */
typedef struct CommandCatalogue {
  OstrakinInt32 count;
} CommandCatalogue;

/* The host's tag list. The plug-in fills the count and that many label and tag-text slots from
 * the first; it writes each text and its terminator and nothing else. */
typedef struct TagCatalogue {
  OstrakinInt32 count;
  char labels[OSTRAKIN_CATALOGUE_SLOTS][OSTRAKIN_CATALOGUE_TEXT_SIZE];
  char tagTexts[OSTRAKIN_CATALOGUE_SLOTS][OSTRAKIN_CATALOGUE_TEXT_SIZE];
} TagCatalogue;

OSTRAKIN_STATIC_ASSERT(offsetof(CommandCatalogue, count) == 0, command_count_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(TagCatalogue, count) == 0, tag_count_offset);
OSTRAKIN_STATIC_ASSERT(sizeof(((TagCatalogue*)0)->count) == 4, tag_count_size);
OSTRAKIN_STATIC_ASSERT(offsetof(TagCatalogue, labels) == 4, labels_offset);
OSTRAKIN_STATIC_ASSERT(sizeof(((TagCatalogue*)0)->labels) == 50 * 128, labels_size);
OSTRAKIN_STATIC_ASSERT(offsetof(TagCatalogue, tagTexts) == 6404, tag_texts_offset);
OSTRAKIN_STATIC_ASSERT(sizeof(((TagCatalogue*)0)->tagTexts[0]) == 128, tag_text_slot_size);

/* What DisplayToast and DisplayToastW send as wParam of OSTRAKIN_DISPLAY_TOAST_MESSAGE. It lives
 * in the sender's frame and is valid only during the send, in the sender's process. Note the
 * order: the second argument comes first. The plug-in copies the three values unchanged and never
 * reads them: what they mean (texts or handles for the toast, say) is agreed between the host and
 * the caller of the toast function, not by the plug-in. */
typedef struct ToastRequest {
  OstrakinUint32 second; /* the toast function's second argument */
  OstrakinUint32 first;  /* its first argument */
  OstrakinUint32 third;  /* its third argument */
  OstrakinInt32 flag;    /* -1 when the fourth argument is non-zero, else 0 */
  OstrakinUint32 unused; /* always 0 */
} ToastRequest;

OSTRAKIN_STATIC_ASSERT(sizeof(ToastRequest) == 20, toast_request_size);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, second) == 0, toast_second_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, first) == 4, toast_first_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, third) == 8, toast_third_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, flag) == 12, toast_flag_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, unused) == 16, toast_unused_offset);

/* Ignores its arguments; returns 1. */
OstrakinInt32 OSTRAKIN_CALL Initialize(OstrakinUint32 first, OstrakinUint32 second,
                                       OstrakinUint32 third);
/* Nothing to release. */
void OSTRAKIN_CALL Uninitialize(void);
/* Fills the display name (17 bytes needed), the command catalogue and the tag catalogue;
 * returns 1, or 0 without writing when a pointer is null. */
OstrakinInt32 OSTRAKIN_CALL PublishInfo(char* displayName, CommandCatalogue* commands,
                                        TagCatalogue* tags);
/* Takes no commands: returns 0. */
OstrakinInt32 OSTRAKIN_CALL ParseCommand(OstrakinUint32 first, OstrakinUint32 second,
                                         OstrakinUint32 third, OstrakinUint32 fourth);
/* Answers one tag such as "(!VuskRamStat)" into `result`: 1 when answered, 0 when not (the buffer
 * is then untouched). A disk answer, "(!VuskDiskA)" to "(!VuskDiskZ)", is appended after the text
 * already in `result`, so `result` must hold NUL-terminated text (at least an empty string) and
 * room for it plus the answer; every other answer replaces the contents from the first byte. The
 * capacity is never passed in: give room for OSTRAKIN_LONGEST_ANSWER characters and a terminator
 * beyond any text left in the buffer. */
OstrakinInt32 OSTRAKIN_CALL ParseTag(const char* tag, OstrakinUint32 ignored, char* result);
/* Answers the notification OSTRAKIN_PING_CODE with a 48-character reply of three lines,
 * separated by a single line feed ("\n", 0x0A) with none after the last (1); the reply needs 49
 * bytes. Declines every other code (0) and leaves the reply untouched. */
OstrakinInt32 OSTRAKIN_CALL ReceiveNotify(const char* code, OstrakinUint32 ignored1,
                                          OstrakinUint32 ignored2, char* reply);
/* Sends OSTRAKIN_DISPLAY_TOAST_MESSAGE with a ToastRequest to every top-level window and waits
 * until they have handled it; lParam 0 for DisplayToast (narrow texts), 1 for DisplayToastW (wide
 * texts). Returns what SendMessageA returned: for a send to every window that is the broadcast's
 * result, not any one window's answer. Only `flag`'s low byte counts: any non-zero byte is true.
 *
 * The send waits for every top-level window of every program on the desktop: one hung window
 * anywhere blocks the caller until it answers. Call these from a thread that may wait.
 *
 * A host's window procedure sees wParam pointing at the record only while it handles the message,
 * and only a request sent from inside its own process can be read through it. It should copy
 * what it needs before it returns, and return 1 when it took the toast, 0 otherwise: a caller
 * that sends the message to that one window sees the value; DisplayToast does not pass it on. */
OstrakinIntPtr OSTRAKIN_CALL DisplayToast(OstrakinUint32 first, OstrakinUint32 second,
                                          OstrakinUint32 third, unsigned char flag);
OstrakinIntPtr OSTRAKIN_CALL DisplayToastW(OstrakinUint32 first, OstrakinUint32 second,
                                           OstrakinUint32 third, unsigned char flag);

/* Pointer types for hosts that resolve the entry points with GetProcAddress. */
typedef OstrakinInt32(OSTRAKIN_CALL* InitializeFn)(OstrakinUint32, OstrakinUint32, OstrakinUint32);
typedef void(OSTRAKIN_CALL* UninitializeFn)(void);
typedef OstrakinInt32(OSTRAKIN_CALL* PublishInfoFn)(char*, CommandCatalogue*, TagCatalogue*);
typedef OstrakinInt32(OSTRAKIN_CALL* ParseCommandFn)(OstrakinUint32, OstrakinUint32, OstrakinUint32,
                                                     OstrakinUint32);
typedef OstrakinInt32(OSTRAKIN_CALL* ParseTagFn)(const char*, OstrakinUint32, char*);
typedef OstrakinInt32(OSTRAKIN_CALL* ReceiveNotifyFn)(const char*, OstrakinUint32, OstrakinUint32,
                                                      char*);
typedef OstrakinIntPtr(OSTRAKIN_CALL* DisplayToastFn)(OstrakinUint32, OstrakinUint32,
                                                      OstrakinUint32, unsigned char);

#ifdef __cplusplus
}
#endif

#endif /* OSTRAKIN_H */
