<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CdPlayerPanel</name>
    <message>
        <source>Previous track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [IMAGE|URL]
       %1 --save-image FOLDER [--drive DEVICE]
       %1 --verify IMAGE.cue
       %1 -root | -window-id ID
</source>
        <extracomment>The forms of the command line; %1 is the program&apos;s name. Keep the options as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check the image&apos;s tracks against AccurateRip,
with no window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save-image and --verify do not go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saving a disc as an image is not available yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verifying an image is not available yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden track, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1%2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 track, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tracks, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
