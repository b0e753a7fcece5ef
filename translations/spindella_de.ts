<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>Über das Programm Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;Bis dann!!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Um die Kreisanimation zu starten, klicken Sie einmal irgendwo in das Fenster. Um die Animation im Vollbild einzuschalten, doppelklicken Sie einfach in das Fenster. Um das Programm wieder in seinen ursprünglichen Zustand zu versetzen, genügt ein weiterer Doppelklick. Immer schön cool bleiben.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella wurde 2026 von Halcyra geschrieben. Alle Rechte daran liegen bei Halcyra. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Alle mit diesem Programm verbreiteten Standard- und benutzerdefinierten Steuerelemente sind Eigentum von Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: %1 kann nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The tooltip of an image that cannot be played: %1 its file&apos;s name, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CdPlayerPanel</name>
    <message>
        <source>Previous track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>CD-Player</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Anzeige des CD-Players</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>ein CD-Abbild zum Abspielen: sein Cue-Sheet (oder die
FLAC-, WAV-, AIFF- oder BIN-Datei daneben) als Pfad
oder file:-URL; cdda: spielt das Laufwerk ab</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>die CD im Laufwerk als Abbild in FOLDER speichern,
ohne Fenster</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>das Laufwerk, das --save-image liest, etwa /dev/sr0
(sonst das, welches Laden wählen würde)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>als Bildschirmschoner von XScreenSaver auf dem ganzen
Bildschirm laufen (oder in $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>als Bildschirmschoner im Fenster ID laufen
(dezimal oder hexadezimal mit 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>was folgt, ist ein Abbild, auch wenn es mit - beginnt</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Spielt Audio-CDs und CD-Abbilder in einem Fenster voller bunter Kreise.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Qt-eigene Optionen wie -platform oder -style wirken wie in jedem Qt-Programm.
Exit-Status: 0 erledigt, 1 nichts ließ sich tun, 2 ein Titel weicht ab
oder falscher Aufruf.
Mehr dazu in %1(1).
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive geht nur zusammen mit --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 passt nicht zu --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 braucht einen Pfad auf diesem Computer</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Mehr dazu mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>eine CD auf einmal: geöffnet wird nur %1</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 ist weder eine Datei noch eine cdda:-Adresse</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: Spindella läuft, antwortet aber nicht</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1 % (Titel %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>in %1 kann nicht gespeichert werden: das ist kein beschreibbarer Ordner</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>Kopier-CRC %1, das Testlesen stimmt überein</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>Kopier-CRC %1, das Testlesen weicht ab</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Titel %1 gelesen: %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Gespeichert in %1: %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>Kopier-CRC %1, durch erneutes Lesen berichtigt</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>Kopier-CRC %1, einige Sektoren lasen nie zweimal gleich</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n Lesewiederholung)</numerusform>
            <numerusform> (%n Lesewiederholungen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: %1 [IMAGE|URL]
       %1 --save-image FOLDER [--drive DEVICE]
       %1 --verify IMAGE.cue
       %1 --repair IMAGE.cue [--output FOLDER]
       %1 -root | -window-id ID
</source>
        <extracomment>The forms of the command line; %1 is the program&apos;s name. Keep the options as they are.</extracomment>
        <translation>Aufruf: %1 [IMAGE|URL]
        %1 --save-image FOLDER [--drive DEVICE]
        %1 --verify IMAGE.cue
        %1 --repair IMAGE.cue [--output FOLDER]
        %1 -root | -window-id ID
</translation>
    </message>
    <message>
        <source>check the image&apos;s tracks against AccurateRip
and the CUETools database, with no window</source>
        <translation>die Titel des Abbilds mit AccurateRip und der
CUETools-Datenbank überprüfen, ohne Fenster</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>das Abbild mit der Parität der CUETools-Datenbank
in einem neuen Ordner reparieren, ohne Fenster</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>wohin --repair das reparierte Abbild schreibt
(sonst neben den Ordner des Abbilds)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify und --repair passen nicht zusammen</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output geht nur zusammen mit --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>%1 Wörter in %2 Sektoren repariert</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>Das Abbild ist fehlerfrei: nichts zu reparieren</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: kein Sitzungsbus, also keine Medientasten und keine Mediensteuerung</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: kein Mediaplayer-Name auf dem Sitzungsbus erhalten, also keine Medientasten und keine Mediensteuerung</translation>
    </message>
</context>
<context>
    <name>DiscKeeper</name>
    <message>
        <source>Rip %1</source>
        <extracomment>On the panel&apos;s small display while a disc is saved; %1 is a percentage.</extracomment>
        <translation>Rippen %1</translation>
    </message>
    <message>
        <source>Check %1</source>
        <extracomment>On the panel&apos;s small display while an image is verified; %1 is a percentage.</extracomment>
        <translation>Prüfen %1</translation>
    </message>
    <message>
        <source>The disc was not saved</source>
        <translation>Die CD wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>Die CD wurde gespeichert</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>Das Abbild wurde nicht geprüft</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>Das Abbild wurde geprüft</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>CD als Abbild speichern in</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Reparatur %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>Das Abbild wurde repariert</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>Das Abbild wurde nicht repariert</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>es ist fehlerfrei: nichts zu reparieren</translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation>CD %1 von %2</translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation>CD-Text</translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation>Nur Titelnummern</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Unbekannter Interpret</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Unbekannter Titel</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Unbekannter Titel (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Vollbildanimation</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Halcyra CD-Player</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Übe&amp;r</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Klicken Sie hier für die Bedienungsanleitung.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>Spindella öffnet CD-Abbilder nur aus Dateien.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Versteckter Titel, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>CD als &amp;Abbild speichern…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>Mit AccurateRip &amp;prüfen</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Zufallswiedergabe</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>A&amp;us</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Laufwerk</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Titel %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Titel %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A track&apos;s length: %1 its minutes, %2 its seconds, as said above.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Repair with &amp;CTDB…</source>
        <extracomment>CTDB is the CUETools database, which holds what mends a damaged image.</extracomment>
        <translation>Mit CTDB &amp;reparieren…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>es gibt kein CD-Laufwerk</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>in %1 liegt keine CD</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>die CD in %1 hat keine Audiotitel</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>das Sichern wurde abgebrochen</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>die Titel des Abbilds ergeben keine CD, die AccurateRip kennen könnte</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>AccurateRip konnte nicht gefragt werden oder antwortete Unsinn</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>AccurateRip wird nicht gefragt: die Abfrage ist in den Einstellungen aus</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>das Prüfen wurde abgebrochen</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>die CD wurde zweimal gelesen</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>die CD hat keine Audiotitel</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>das Inhaltsverzeichnis der CD ergibt keinen Sinn</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>das Inhaltsverzeichnis der CD ergibt keinen Sinn: %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>die CD wurde entnommen, oder das Laufwerk liest sie nicht mehr</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>es gibt kein gelesenes Abbild zum Behalten</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>der FLAC-Schreiber wurde zweimal geöffnet</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>die Länge der CD und die zu schreibenden Frames weichen ab</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>kann nicht starten</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>der FLAC-Encoder kann nicht starten: %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>der Aufbau der CD ist nicht der einer CD: %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>das Cover ist weder ein PNG- noch ein JPEG-Bild</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>das Cover ist größer, als eine FLAC-Datei fassen kann</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>das Cover kann nicht behalten werden: %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>der FLAC-Schreiber ist nicht geöffnet</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>es kam mehr Audio, als die CD enthält</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>hat angehalten</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>das Audio endete vor dem Ende der CD</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>kann die Datei nicht abschließen</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>der FLAC-Encoder %1: %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>der Arbeitsordner wurde zweimal angelegt</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>in %1 kann kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>in %1 kann kein Ordner angelegt werden: jeder versuchte Name ist vergeben</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>es gibt keinen Arbeitsordner zum Schreiben</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>ein Dateiname muss ein Name sein, kein Pfad</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>es gibt keinen Arbeitsordner zum Behalten</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 kann keinen Ordner benennen</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>es gibt schon 999 Kopien von %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>das Abbild hat keine Audiotitel</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>die Titel des Abbilds ergeben keinen Sinn</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>das Abbild kann bei %1 nicht gelesen werden</translation>
    </message>
    <message>
        <source>8-bit</source>
        <translation>8-Bit</translation>
    </message>
    <message>
        <source>24-bit</source>
        <translation>24-Bit</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-Bit</translation>
    </message>
    <message>
        <source>floating-point</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>komprimiert</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 ist kein Audio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 hat %2 Hz, nicht 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 ist mono, nicht stereo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 hat %2 Kanäle, nicht 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 ist %2, nicht 16-Bit</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 gibt eine unmögliche Länge an</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>das Cue-Sheet ist größer als 1 MB</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>das ist kein Cue-Sheet: es enthält Binärdaten</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>länger als 4096 Bytes</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE ohne Namen</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK vor jedem FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 hat kein INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>die Titelnummern müssen von 1 bis 99 steigen</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 vor jedem TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX braucht eine Nummer von 00 bis 99</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 braucht eine Zeit mm:ss:ff</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>die Indexnummern müssen innerhalb eines Titels steigen</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX geht in der Zeit zurück</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>kein TRACK darin</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>es enthält kein eigenes Cue-Sheet</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>sein Cue-Sheet ist nicht das einer CD</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>sein Cue-Sheet hat keine Titel oder kein Ende</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>Titel %1 seines Cue-Sheets steht außer der Reihe</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>Titel %1 seines Cue-Sheets ist kein Audio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>Titel %1 seines Cue-Sheets liegt nicht auf den Sektoren einer CD</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>Titel %1 seines Cue-Sheets hat Indizes außer der Reihe</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>Titel %1 seines Cue-Sheets hat kein INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>daneben liegt kein Cue-Sheet %1</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, und %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 ist nicht da</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>das Abbild ist länger als 24 Stunden</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 hat einen INDEX hinter dem Ende von %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>die Länge der CD liegt nicht zwischen einem Sektor und einem Tag</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>eine CD hat 1 bis 99 Titel</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>die Stille vor Titel 1 liegt außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>die Katalognummer hat nicht 13 Ziffern</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>die freedb-CD-ID hat nicht 8 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>eine CD-Nummer ist negativ</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>die Datei beginnt nicht bei Titel 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>Titel 1 hat davor sowohl weggelassene Stille als auch behaltenes Audio</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>die Pause von Titel %1 reicht in den Titel davor</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>Titel %1 beginnt hinter dem Ende der Datei</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>der ISRC von Titel %1 besteht nicht aus 12 Großbuchstaben und Ziffern</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>die Antwort der CUETools-Datenbank ist unlesbar: %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>die Reparatur wurde abgebrochen</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>die CUETools-Datenbank konnte nicht gefragt werden</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>die CUETools-Datenbank wird nicht gefragt: die Abfrage ist in den Einstellungen aus</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>die CD ist nicht in der CUETools-Datenbank</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>die Parität der CUETools-Datenbank war nicht zu gebrauchen</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>das Abbild weicht stärker von der CUETools-Datenbank ab, als ihre Parität reparieren kann</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 kann nicht repariert werden: %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>die Prüfsummen des reparierten Abbilds sind nicht die der CUETools-Datenbank</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>das gespeicherte Abbild lässt sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>korrekt (Konfidenz %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>nicht in der Datenbank</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>die CD ist nicht in der AccurateRip-Datenbank</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>nicht mit AccurateRip geprüft</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Titel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>Abweichung von AccurateRip bei %1 von %n Titel</numerusform>
            <numerusform>Abweichung von AccurateRip bei %1 von %n Titeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>bei %1 von %n Titel stimmten die Lesevorgänge mancher Sektoren nie überein</numerusform>
            <numerusform>bei %1 von %n Titeln stimmten die Lesevorgänge mancher Sektoren nie überein</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 von %n Titel korrekt</numerusform>
            <numerusform>%1 von %n Titeln korrekt</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>weicht ab, reparierbar (%1 Wörter in %2 Sektoren)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>weicht ab, nicht reparierbar</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>weicht ab, nicht reparierbar (die Parität war nicht zu gebrauchen)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 bei Versatz %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB: %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB Titel %1: %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Eine CD wird abgespielt</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Abbild defekt</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Laden drücken</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Wird geöffnet</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Kein Laufwerk</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Keine CD</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Kein Audio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Versteckter Titel</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (Pre-Emphasis)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n Titel, %1</numerusform>
            <numerusform>%n Titel, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
