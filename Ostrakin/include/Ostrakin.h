/*
 * Ostrakin.h: the interface of the Ostrakin chat plug-in, for host authors. This header alone is
 * enough to load and call the plug-in; it compiles as C89 or later, or C++11 or later.
 *
 * The host loads Ostrakin.dll (32-bit Windows) and resolves these entry points by name. All of
 * them use the C calling convention (__cdecl) and undecorated names. Every text is narrow,
 * NUL-terminated text in the system code page, written into buffers that the host owns; the
 * plug-in keeps no pointer to them after a call returns.
 *
 * Answers contain the control byte 0x02 (STX), in pairs around the frame and the separators, as in
 * "\x02[\x02 512MB \x02/\x02 1024MB \x02]\x02". What it means is the host's: a host that does
 * not use it as formatting should remove it before showing the text.
 */
#ifndef OSTRAKIN_H
#define OSTRAKIN_H

#include <stddef.h>
#include <stdint.h>

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

/* The names of the registered window messages a host listens for (RegisterWindowMessageA):
 * the toast request sent by DisplayToast and DisplayToastW, and the notice that Quillaby posts to
 * every top-level window when the plug-in files have changed (wParam 0, lParam 0), so that a
 * running host lets go of its plug-in libraries. */
#define OSTRAKIN_DISPLAY_TOAST_MESSAGE "Zorvanta_DisplayToast"
#define OSTRAKIN_PLUGIN_CHANGE_MESSAGE "Zorvanta_PluginChange"
/* The notification code that ReceiveNotify answers. */
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
  int32_t count;
} CommandCatalogue;

/* The host's tag list. The plug-in fills the count and the first six label and tag-text slots;
 * it writes each text and its terminator and nothing else. */
typedef struct TagCatalogue {
  int32_t count;
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
  uint32_t second; /* the toast function's second argument */
  uint32_t first;  /* its first argument */
  uint32_t third;  /* its third argument */
  int32_t flag;    /* -1 when the fourth argument is non-zero, else 0 */
  uint32_t unused; /* always 0 */
} ToastRequest;

OSTRAKIN_STATIC_ASSERT(sizeof(ToastRequest) == 20, toast_request_size);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, second) == 0, toast_second_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, first) == 4, toast_first_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, third) == 8, toast_third_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, flag) == 12, toast_flag_offset);
OSTRAKIN_STATIC_ASSERT(offsetof(ToastRequest, unused) == 16, toast_unused_offset);

/* Ignores its arguments; returns 1. */
int32_t OSTRAKIN_CALL Initialize(uint32_t first, uint32_t second, uint32_t third);
/* Nothing to release. */
void OSTRAKIN_CALL Uninitialize(void);
/* Fills the display name (17 bytes needed), the command catalogue and the tag catalogue;
 * returns 1, or 0 without writing when a pointer is null. */
int32_t OSTRAKIN_CALL PublishInfo(char* displayName, CommandCatalogue* commands,
                                  TagCatalogue* tags);
/* Takes no commands: returns 0. */
int32_t OSTRAKIN_CALL ParseCommand(uint32_t first, uint32_t second, uint32_t third,
                                   uint32_t fourth);
/* Answers one tag such as "(!VuskRamStat)" into `result`: 1 when answered, 0 when not (the buffer
 * is then untouched). A disk answer, "(!VuskDiskA)" to "(!VuskDiskZ)", is appended after the text
 * already in `result`, so `result` must hold NUL-terminated text (at least an empty string) and
 * room for it plus the answer; every other answer replaces the contents from the first byte. The
 * capacity is never passed in: give room for OSTRAKIN_LONGEST_ANSWER characters and a terminator
 * beyond any text left in the buffer. */
int32_t OSTRAKIN_CALL ParseTag(const char* tag, uint32_t ignored, char* result);
/* Answers the notification OSTRAKIN_PING_CODE with a 48-character reply of three lines (1); the
 * reply needs 49 bytes. Declines every other code (0) and leaves the reply untouched. */
int32_t OSTRAKIN_CALL ReceiveNotify(const char* code, uint32_t ignored1, uint32_t ignored2,
                                    char* reply);
/* Sends OSTRAKIN_DISPLAY_TOAST_MESSAGE with a ToastRequest to every top-level window and waits
 * until they have handled it; lParam 0 for DisplayToast (narrow texts), 1 for DisplayToastW (wide
 * texts). Returns what SendMessageA returned. Only `flag`'s low byte counts: any non-zero byte is
 * true. */
intptr_t OSTRAKIN_CALL DisplayToast(uint32_t first, uint32_t second, uint32_t third,
                                    unsigned char flag);
intptr_t OSTRAKIN_CALL DisplayToastW(uint32_t first, uint32_t second, uint32_t third,
                                     unsigned char flag);

/* Pointer types for hosts that resolve the entry points with GetProcAddress. */
typedef int32_t(OSTRAKIN_CALL* InitializeFn)(uint32_t, uint32_t, uint32_t);
typedef void(OSTRAKIN_CALL* UninitializeFn)(void);
typedef int32_t(OSTRAKIN_CALL* PublishInfoFn)(char*, CommandCatalogue*, TagCatalogue*);
typedef int32_t(OSTRAKIN_CALL* ParseCommandFn)(uint32_t, uint32_t, uint32_t, uint32_t);
typedef int32_t(OSTRAKIN_CALL* ParseTagFn)(const char*, uint32_t, char*);
typedef int32_t(OSTRAKIN_CALL* ReceiveNotifyFn)(const char*, uint32_t, uint32_t, char*);
typedef intptr_t(OSTRAKIN_CALL* DisplayToastFn)(uint32_t, uint32_t, uint32_t, unsigned char);

#ifdef __cplusplus
}
#endif

#endif /* OSTRAKIN_H */
