/* libvelmora: the game's sound helper library, a C ABI over SDL2.
 *
 * A handle from dsInitialize owns one audio output; buffers made from whole
 * wave images belong to it and play, loop and stop on it, any number at the
 * same time. Every call is safe from any thread. Identifier 0 (and any
 * identifier that was never handed out or was already freed) does nothing:
 * functions returning a result return 0 for it.
 *
 * Units follow the conventions the game always used: volume in hundredths of
 * a decibel (-10000 silent .. 0 full), pan in hundredths of a decibel of
 * attenuation (-10000 left only .. 0 centre .. 10000 right only), frequency
 * as the playback sample rate in Hz (0 = the wave's own rate, else 100 .. 200000).
 */
#ifndef VELMORA_SOUND_H
#define VELMORA_SOUND_H

#include <stdint.h>

#if defined(__GNUC__)
#define VELMORA_SOUND_API __attribute__((visibility("default")))
#else
#define VELMORA_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Opens the default audio output. `window` is accepted for the old calling
 * convention and not needed. Returns a handle, or 0 when no output can be
 * opened. */
VELMORA_SOUND_API intptr_t dsInitialize(intptr_t window);

/* Stops and frees every buffer of the handle and closes its output. Outputs
 * open and close one at a time; SDL's audio runs while any of them is open. */
VELMORA_SOUND_API int dsTerminate(intptr_t handle);

/* Makes a buffer from a whole wave file image in memory (any format SDL
 * reads: PCM 8/16/24/32-bit, float, ADPCM, any channels and rate). Only the
 * bytes the RIFF header counts are read (its size field + 8): the caller
 * makes sure that many bytes are there. The image is copied; `flags` select
 * nothing (every buffer is decoded in memory and supports volume, pan and
 * frequency). Returns a buffer identifier, or 0 when the image is not a
 * usable wave. */
VELMORA_SOUND_API intptr_t dsCreateDSB(intptr_t handle, intptr_t image, int flags);

/* As dsCreateDSB, from a wave file: `module` is ignored (a shared library
 * carries no resources) and `name` is the file's path (UTF-8). */
VELMORA_SOUND_API intptr_t dsCreateResDSB(intptr_t handle, intptr_t module, const char* name, int flags);

/* Plays the buffer once from its start, without waiting. A buffer that is
 * already sounding starts again. Returns 1, or 0 for an unknown buffer. */
VELMORA_SOUND_API int dsPlay(intptr_t buffer);
/* dsSetPan, then dsPlay. */
VELMORA_SOUND_API int dsPlayPan(intptr_t buffer, int pan);
/* dsSetVolume, dsSetPan and dsSetFrequency, then dsPlay. */
VELMORA_SOUND_API int dsPlayEx(intptr_t buffer, int volume, int pan, int frequency);

/* Plays the buffer from its start in an endless loop, without waiting. */
VELMORA_SOUND_API int dsPlayLooping(intptr_t buffer);
/* dsSetVolume, dsSetPan and dsSetFrequency, then dsPlayLooping. */
VELMORA_SOUND_API int dsPlayLoopingEx(intptr_t buffer, int volume, int pan, int frequency);

/* Silences the buffer; the next play starts from the beginning. */
VELMORA_SOUND_API int dsStop(intptr_t buffer);

/* Stops the buffer and releases it; its identifier is not handed out again. */
VELMORA_SOUND_API int dsFree(intptr_t buffer);

/* Settings of a buffer, kept for later plays and applied at once to a
 * buffer that is sounding. Values out of range are clamped. */
VELMORA_SOUND_API int dsSetVolume(intptr_t buffer, int volume);
VELMORA_SOUND_API int dsSetPan(intptr_t buffer, int pan);
VELMORA_SOUND_API int dsSetFrequency(intptr_t buffer, int frequency);

#ifdef __cplusplus
}
#endif

#endif /* VELMORA_SOUND_H */
