#pragma once
/*
 * Our stand-in for the FMOD 3 sound library: the part of its C interface that the engine
 * uses, with FMOD's names, arguments and results. Every voice is mixed in software, at the
 * rate FSOUND_Init is given, to the target's output device, or to a silent output where no
 * device opens.
 */

#ifdef __cplusplus
extern "C" {
#endif

/* A loaded sound; only the library sees inside. */
typedef struct FSOUND_SAMPLE FSOUND_SAMPLE;

/* The codes FSOUND_GetError reports. */
enum FMOD_ERRORS {
    FMOD_ERR_NONE,              /* No errors */
    FMOD_ERR_BUSY,              /* Cannot call this command after FSOUND_Init.  Call FSOUND_Close first. */
    FMOD_ERR_UNINITIALIZED,     /* This command failed because FSOUND_Init was not called */
    FMOD_ERR_INIT,              /* Error initializing output device. */
    FMOD_ERR_ALLOCATED,         /* The output device is already in use and cannot be reused. */
    FMOD_ERR_PLAY,              /* Playing the sound failed. */
    FMOD_ERR_OUTPUT_FORMAT,     /* Soundcard does not support the features needed for this soundsystem */
    FMOD_ERR_COOPERATIVELEVEL,  /* Error setting cooperative level for hardware. */
    FMOD_ERR_CREATEBUFFER,      /* Error creating hardware sound buffer. */
    FMOD_ERR_FILE_NOTFOUND,     /* File not found */
    FMOD_ERR_FILE_FORMAT,       /* Unknown file format */
    FMOD_ERR_FILE_BAD,          /* Error loading file */
    FMOD_ERR_MEMORY,            /* Not enough memory */
    FMOD_ERR_VERSION,           /* The version number of this file format is not supported */
    FMOD_ERR_INVALID_PARAM,     /* An invalid parameter was passed to this function */
    FMOD_ERR_NO_EAX,            /* Tried to use an EAX command on a non EAX enabled channel or output. */
    FMOD_ERR_CHANNEL_ALLOC,     /* Failed to allocate a new channel */
    FMOD_ERR_RECORD,            /* Recording not supported on this device */
    FMOD_ERR_MEDIAPLAYER        /* Required Mediaplayer codec is not installed */
};

/* Hardware voices to use at least / at most; only before FSOUND_Init. There are none here,
   so any count that is not negative is accepted. TRUE on success. */
signed char FSOUND_SetMinHardwareChannels(int min);
signed char FSOUND_SetMaxHardwareChannels(int max);

/* Opens the output and starts mixing maxsoftwarechannels channels at mixrate Hz. No flag
   changes anything here. TRUE on success. */
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);

/* The outcome of the last call: FMOD_ERR_NONE after one that succeeded. */
int FSOUND_GetError(void);

/* TRUE while the channel plays; FALSE once it has finished, or for no such channel. */
signed char FSOUND_IsPlaying(int channel);

/* Stops the channels playing the sample and releases it. */
void FSOUND_Sample_Free(FSOUND_SAMPLE* sptr);

/* Closes the output and releases every sample still loaded. */
void FSOUND_Close(void);

#ifdef __cplusplus
}
#endif
