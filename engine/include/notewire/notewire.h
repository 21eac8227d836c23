/* notewire: the MIDI engine of the virtual keyboard "piano".
 *
 * One command entry point, six short-message senders and the output-device list. The engine reports
 * back only through the host's post callback (and asks questions through its message_box callback).
 */
#ifndef NOTEWIRE_NOTEWIRE_H
#define NOTEWIRE_NOTEWIRE_H

#include <stdint.h>

#if defined(NOTEWIRE_BUILDING)
#define NOTEWIRE_API __attribute__((visibility("default")))
#else
#define NOTEWIRE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Commands of ControlMidiDrv. */
#define MDRV_PLAY_FROM_ZERO (-2)
#define MDRV_START_SONG 0
#define MDRV_PAUSE_SONG 1
#define MDRV_SELECT_DEVICE 2
#define MDRV_CLOSE_DEVICE 3
#define MDRV_OPEN 4
#define MDRV_SPEED_UP 5
#define MDRV_LOAD_SONG 6
#define MDRV_GET_BUFFER_COUNT 7
#define MDRV_SONG_PROGRAM_UP 8
#define MDRV_SPEED_DOWN 9
#define MDRV_SKIP_FORWARD 10
#define MDRV_SKIP_BACK 11
#define MDRV_BEND_ADD 12
#define MDRV_BEND_SUB 13
#define MDRV_SET_SONG_VELOCITY 14
#define MDRV_GET_BUFFER_POS 15
#define MDRV_RESTORE_SONG_PROGRAMS 16
#define MDRV_GET_SONG_POS 17
#define MDRV_GET_SONG_LENGTH 18
#define MDRV_RESET_SPEED 19
#define MDRV_SONG_PROGRAM_DOWN 20
#define MDRV_SET_SONG_PROGRAM 21
#define MDRV_RESET_BEND 22
#define MDRV_GET_CHANNEL0_PROGRAM 23
#define MDRV_GET_SPARE 24
#define MDRV_SET_VOLUME 25
#define MDRV_STOP_SONG 26
#define MDRV_SEEK_SONG 27
#define MDRV_TOGGLE_ECHO 28
#define MDRV_ALLOC_KEYBOARD_CHANNEL 29
#define MDRV_RESUME_SONG 30
#define MDRV_PLAY_BUFFER 31
#define MDRV_START_RECORDING 32
#define MDRV_STOP_BUFFER 33
#define MDRV_CLEAR_BUFFER 34
#define MDRV_SAVE_BUFFER_MIDI 35
#define MDRV_SET_RECORD_SONG 36
#define MDRV_SET_RECORD_ACCOMP 37
#define MDRV_GET_CHANNEL_ROLE 38
#define MDRV_UNMUTE_CHANNEL 39
#define MDRV_GET_CHANNEL_PROGRAM 40
#define MDRV_SET_CHANNEL_PROGRAM 41
#define MDRV_USER_PROGRAMS 42
#define MDRV_MUTE_CHANNEL 43
#define MDRV_SAVE_BUFFER_TKB 44
#define MDRV_LOAD_ACCOMP 45
#define MDRV_SET_ACCOMP_VELOCITY 46
#define MDRV_SET_ACCOMP_SPEED 47
#define MDRV_SET_ACCOMP_BEND 48
#define MDRV_SET_ACCOMP_CONTROLLER 49
#define MDRV_SET_ACCOMP_CONTROLLER_VALUE 50
#define MDRV_STOP_ACCOMP 51
#define MDRV_START_ACCOMP 52
#define MDRV_SET_ACCOMP_PROGRAM 53
#define MDRV_GET_ACCOMP_PROGRAM 54
#define MDRV_SET_ACCOMP_PROGRAM_FLAG 55
#define MDRV_RESET_BEND_ALT 56 /* same effect as MDRV_RESET_BEND */
#define MDRV_GET_SONG_STATE 57
#define MDRV_GET_ACCOMP_STATE 58
#define MDRV_GET_BUFFER_STATE 59
#define MDRV_GET_PROGRAM_MODE 60
#define MDRV_GET_BEND 61
#define MDRV_GET_SPEED 62
#define MDRV_GET_ACCOMP_VELOCITY 63
#define MDRV_SEND_CONTROLLER 64

/* MIDI status bytes of channel 0 (OR in the channel); NW_MIDI_KIND keeps the kind of a status byte. */
enum NwMidiStatus {
    NW_NOTE_OFF = 0x80,
    NW_NOTE_ON = 0x90,
    NW_KEY_PRESSURE = 0xA0,
    NW_CONTROL_CHANGE = 0xB0,
    NW_PROGRAM_CHANGE = 0xC0,
    NW_CHANNEL_PRESSURE = 0xD0,
    NW_PITCH_BEND = 0xE0
};
#define NW_MIDI_KIND(status) ((status)&0xF0)

/* Messages posted to the host. */
#define WM_MDRV_KEYS 1025        /* wparam MDRV_NOTIFY_RESET (lparam 120), or 1 and a packed note message */
#define WM_MDRV_ACCOMP_NOTE 1026 /* wparam beat counter 1..4, lparam 100 */
#define WM_MDRV_EVENT 1027       /* wparam 1 sent message, 2 song program change, 3 song controller */
#define WM_MDRV_INPUT 1028       /* wparam 1, lparam a packed channel message from the MIDI input */
#define MDRV_NOTIFY_RESET 11900

/* Channel roles. */
#define CH_KEYBOARD 0x81
#define CH_ACCOMP 0x82
#define CH_FREE 0x83
#define CH_REPLAY 0x84
#define CH_SONG_USE 0x85 /* shown as in use by the song; the engine itself does not assign it */
#define CH_SONG 0x86
#define CH_MUTED 0x87

/* States. */
#define SONG_PLAYING 1
#define SONG_STOPPED 2
#define SONG_CLOSED 3
#define SONG_DEVICE_SET 4
#define PROG_USER 5
#define PROG_SONG 6
#define BUF_RECORDING 7
#define BUF_IDLE 8
#define BUF_PLAYING 9
#define ACC_RUNNING 10
#define ACC_STOPPED 11

/* Message-box styles and answers. */
#define NW_MB_OK 0x0
#define NW_MB_YESNO 0x4
#define NW_MB_ICONERROR 0x10
#define NW_MB_ICONWARNING 0x30
#define NW_IDOK 1
#define NW_IDYES 6
#define NW_IDNO 7

typedef struct NwHost {
    void *context;
    /* Called from any engine thread; must never block. */
    void (*post)(void *context, uint32_t message, uint32_t wparam, uint32_t lparam);
    /* Called only on the thread inside ControlMidiDrv, never while the engine lock is held; returns
       NW_IDOK, NW_IDYES or NW_IDNO. */
    int32_t (*message_box)(void *context, const char *text, const char *caption, uint32_t style);
} NwHost;

NOTEWIRE_API int32_t ControlMidiDrv(int32_t command, int32_t arg, const NwHost *host, const char *data);

NOTEWIRE_API int32_t sME(int32_t status, int32_t data1, int32_t data2);
NOTEWIRE_API int32_t sME1(int32_t status, int32_t data1, int32_t data2);
NOTEWIRE_API int32_t sME2(int32_t status, int32_t data1, int32_t data2);
NOTEWIRE_API int32_t sME3(int32_t status, int32_t data1, int32_t data2);
NOTEWIRE_API int32_t sME4(int32_t status, int32_t data1, int32_t data2);
NOTEWIRE_API int32_t sME5(int32_t status, int32_t data1, int32_t data2);

typedef struct NwDeviceCaps {
    char name[128];
    int32_t technology; /* 1 hardware port, 2 other port, 3 synthesizer */
    int32_t voices;
    int32_t notes;
} NwDeviceCaps;

NOTEWIRE_API int32_t nwOutputDeviceCount(void);
/* device -1 is the mapper; returns 1 and fills caps, or 0 when there is no such device. */
NOTEWIRE_API int32_t nwOutputDeviceCaps(int32_t device, NwDeviceCaps *caps);

/* MIDI input: one port "Piano" on the ALSA sequencer, or on a JACK server when ALSA has no sequencer or
   NOTEWIRE_MIDI_API=jack; what arrives is posted to the host given to MDRV_OPEN as WM_MDRV_INPUT. */
#define NW_MIDI_IN_AUTO 0   /* every hardware source present, and each one plugged in later */
#define NW_MIDI_IN_NONE 1   /* no input port */
#define NW_MIDI_IN_SOURCE 2 /* the one source named */
/* Opens, reopens or closes the input port; 1 when done, 0 when there is no sequencer to open it on. */
NOTEWIRE_API int32_t nwSelectMidiInput(int32_t choice, const char *source);
/* Reads the list of sources afresh and returns its length; names are then read by index. */
NOTEWIRE_API int32_t nwMidiInputSourceCount(void);
/* Copies the name of source `index` of the last list read (cut to size - 1 bytes); 1 ok, 0 none. */
NOTEWIRE_API int32_t nwMidiInputSourceName(int32_t index, char *name, int32_t size);

#ifdef __cplusplus
}
#endif

#endif /* NOTEWIRE_NOTEWIRE_H */
