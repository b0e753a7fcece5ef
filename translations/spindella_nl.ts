<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>Over het programma Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;Tot kijk!!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Om de cirkelanimatie te starten, klik je één keer ergens in het venster. Voor een animatie op het volledige scherm dubbelklik je gewoon op het venster. Om het programma weer in zijn oorspronkelijke staat te brengen, volstaat nog een dubbelklik. Hou je taai.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella is in 2026 geschreven door Halcyra, die er alle rechten op heeft. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Alle algemene en aangepaste besturingselementen die met dit programma worden verspreid, zijn eigendom van Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: kan %1 niet afspelen: %2</translation>
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
        <translation>Vorig nummer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Volgend nummer</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Uitwerpen</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>Cd-speler</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Display van de cd-speler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>een schijfkopie om af te spelen: het cue-bestand (of de
FLAC, WAV, AIFF of BIN ernaast) als pad of als
file:-URL; cdda: speelt het station af</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>deze hulptekst tonen en afsluiten</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>de versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>de cd in het station als schijfkopie in FOLDER
opslaan, zonder venster</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>het station dat --save-image leest, zoals /dev/sr0
(anders het station dat Laden zou kiezen)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>de schermbeveiliging van XScreenSaver zijn, op het hele
scherm (of in $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>de schermbeveiliging zijn in venster ID (decimaal
of hexadecimaal met 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>wat volgt is een schijfkopie, ook als het met - begint</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Speelt audio-cd&apos;s en schijfkopieën af in een venster vol gekleurde cirkels.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Opties van Qt zelf, zoals -platform of -style, werken als in elk Qt-programma.
Afsluitstatus: 0 klaar, 1 er kon niets worden gedaan, 2 een nummer wijkt af
of een gebruiksfout.
Zie %1(1) voor meer.
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive gaat alleen samen met --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 gaat niet samen met --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 heeft een pad op deze computer nodig</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Typ &apos;%1 --help&apos; voor meer informatie.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>één schijf tegelijk: alleen %1 wordt geopend</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 is geen bestand en geen cdda:-adres</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: Spindella draait, maar antwoordt niet</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1% (nummer %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>kan niet opslaan in %1: dat is geen map waarin geschreven kan worden</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>kopie-CRC %1, de testlezing komt overeen</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>kopie-CRC %1, de testlezing wijkt af</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Nummer %1 gelezen: %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>kopie-CRC %1, hersteld door opnieuw lezen</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>kopie-CRC %1, sommige sectoren werden nooit twee keer gelijk gelezen</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n leesherhaling)</numerusform>
            <numerusform> (%n leesherhalingen)</numerusform>
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
        <translation>Gebruik: %1 [IMAGE|URL]
         %1 --save-image FOLDER [--drive DEVICE]
         %1 --verify IMAGE.cue
         %1 --repair IMAGE.cue [--output FOLDER]
         %1 -root | -window-id ID
</translation>
    </message>
    <message>
        <source>check the image&apos;s tracks against AccurateRip
and the CUETools database, with no window</source>
        <translation>de nummers van de schijfkopie met AccurateRip en de
CUETools-database controleren, zonder venster</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>de schijfkopie herstellen met de pariteit van de
CUETools-database in een nieuwe map, zonder venster</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>waar --repair de herstelde schijfkopie schrijft
(anders naast de map van de schijfkopie)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify en --repair gaan niet samen</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output gaat alleen samen met --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>%1 woorden in %2 sectoren hersteld</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>De schijfkopie is foutloos: niets te herstellen</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: geen sessiebus, dus geen mediatoetsen of mediabediening</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: geen mediaspelernaam op de sessiebus, dus geen mediatoetsen of mediabediening</translation>
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
        <translation>Controle %1</translation>
    </message>
    <message>
        <source>The disc was not saved</source>
        <translation>De cd is niet opgeslagen</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>De cd is opgeslagen</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>De schijfkopie is niet geverifieerd</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>De schijfkopie is geverifieerd</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>Cd als schijfkopie opslaan in</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Herstel %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>De schijfkopie is hersteld</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>De schijfkopie is niet hersteld</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>ze is foutloos: niets te herstellen</translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation>schijf %1 van %2</translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation>CD-Text</translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation>Alleen tracknummers</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Onbekende artiest</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Onbekende titel</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Onbekende titel (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Animatie op volledig scherm</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Halcyra cd-speler</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Klik hier voor de gebruiksaanwijzing.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>Spindella opent alleen schijfkopieën uit bestanden.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Verborgen nummer, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>Cd als schijfkopie &amp;opslaan…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>&amp;Verifiëren met AccurateRip</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Uit</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>Nu&amp;mmer</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>&amp;Cd</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Nummer %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Nummer %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A track&apos;s length: %1 its minutes, %2 its seconds, as said above.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Repair with &amp;CTDB…</source>
        <extracomment>CTDB is the CUETools database, which holds what mends a damaged image.</extracomment>
        <translation>H&amp;erstellen met CTDB…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>er is geen cd-station</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>er zit geen cd in %1</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>de cd in %1 heeft geen audionummers</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>het opslaan is geannuleerd</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 kan niet worden verwijderd: %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 kan niet worden gecontroleerd: %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>de nummers van de kopie wijzen op geen cd die AccurateRip kan kennen</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>AccurateRip kon niet worden gevraagd, of antwoordde onzin</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>AccurateRip wordt niet gevraagd: opzoeken staat uit in de instellingen</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>het controleren is geannuleerd</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>de cd is twee keer gelezen</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>de cd heeft geen audionummers</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>de inhoudsopgave van de cd klopt niet</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>de inhoudsopgave van de cd klopt niet: %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>de cd is eruit gehaald, of het station leest hem niet meer</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>er is geen gelezen kopie om te bewaren</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>de FLAC-schrijver is twee keer geopend</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>de lengte van de cd en de te schrijven frames verschillen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>geen geheugen meer</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>kan niet starten</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>de FLAC-encoder kan niet starten: %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>de indeling van de cd is niet die van een cd: %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>de hoes is geen PNG- of JPEG-afbeelding</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>de hoes is groter dan een FLAC-bestand kan bevatten</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>de hoes kan niet worden bewaard: %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>de FLAC-schrijver is niet geopend</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>er kwam meer audio dan de cd bevat</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>is gestopt</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>de audio hield op voor het einde van de cd</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>kan het bestand niet afsluiten</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>de FLAC-encoder %1: %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>de werkmap is twee keer gemaakt</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>kan geen map maken in %1: %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>kan geen map maken in %1: elke geprobeerde naam is bezet</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>er is geen werkmap om in te schrijven</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>een bestandsnaam moet één naam zijn, geen pad</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>er is geen werkmap om te bewaren</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 kan geen map een naam geven</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>er zijn al 999 kopieën van %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>de kopie heeft geen audionummers</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>de nummers van de kopie kloppen niet</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>de kopie kan bij %1 niet worden gelezen</translation>
    </message>
    <message>
        <source>8-bit</source>
        <translation>8-bits</translation>
    </message>
    <message>
        <source>24-bit</source>
        <translation>24-bits</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-bits</translation>
    </message>
    <message>
        <source>floating-point</source>
        <translation>drijvende-komma</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>gecomprimeerd</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 is geen audio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 is %2 Hz, niet 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 is mono, niet stereo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 heeft %2 kanalen, niet 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 is %2, niet 16-bits</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 zegt een onmogelijke lengte te hebben</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 is beschadigd of afgekapt</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>het cue-sheet is groter dan 1 MB</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>dit is geen cue-sheet: het bevat binaire gegevens</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>langer dan 4096 bytes</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE zonder naam</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK vóór elke FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 heeft geen INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>de nummers moeten oplopen van 1 tot 99</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 vóór elke TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX heeft een nummer van 00 tot 99 nodig</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 heeft een tijd mm:ss:ff nodig</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>de indexnummers moeten binnen een nummer oplopen</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX gaat terug in de tijd</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>er staat geen TRACK in</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>het bevat geen eigen cue-sheet</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>het cue-sheet is niet dat van een cd</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>het cue-sheet heeft geen nummers, of geen einde</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>nummer %1 van het cue-sheet staat niet op volgorde</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>nummer %1 van het cue-sheet is geen audio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>nummer %1 van het cue-sheet ligt niet op de sectoren van een cd</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>nummer %1 van het cue-sheet heeft indexen die niet op volgorde staan</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>nummer %1 van het cue-sheet heeft geen INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>er staat geen cue-sheet %1 naast</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, en %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 is er niet</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>de kopie is langer dan 24 uur</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 heeft een INDEX voorbij het einde van %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>de lengte van de cd ligt niet tussen één sector en een dag</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>een cd heeft 1 tot 99 nummers</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>de stilte voor nummer 1 valt buiten de grenzen</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>het catalogusnummer heeft geen 13 cijfers</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>de freedb-cd-ID heeft geen 8 hexadecimale cijfers</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>een cd-nummer is negatief</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>het bestand begint niet bij nummer 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>nummer 1 heeft ervoor zowel weggelaten stilte als bewaarde audio</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>de pauze van nummer %1 loopt door in het nummer ervoor</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>nummer %1 begint na het einde van het bestand</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>de ISRC van nummer %1 bestaat niet uit 12 hoofdletters en cijfers</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>het antwoord van de CUETools-database is onleesbaar: %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>het herstellen is afgebroken</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>de CUETools-database kon niet worden geraadpleegd</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>de CUETools-database wordt niet geraadpleegd: opzoeken staat uit in de instellingen</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>de cd staat niet in de CUETools-database</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>de pariteit van de CUETools-database was niet te gebruiken</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>de schijfkopie wijkt meer af van die in de CUETools-database dan de pariteit kan herstellen</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 kan niet worden hersteld: %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>de controlesommen van de herstelde schijfkopie zijn niet die van de CUETools-database</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>de opgeslagen schijfkopie kan niet worden teruggelezen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>accuraat (betrouwbaarheid %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>niet in de database</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niet gecontroleerd</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>de cd staat niet in de database van AccurateRip</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>niet gecontroleerd met AccurateRip</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Nummer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>afwijkingen van AccurateRip bij %1 van %n nummer</numerusform>
            <numerusform>afwijkingen van AccurateRip bij %1 van de %n nummers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>bij %1 van %n nummer zijn er sectoren waarvan de lezingen nooit overeenkwamen</numerusform>
            <numerusform>bij %1 van de %n nummers zijn er sectoren waarvan de lezingen nooit overeenkwamen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 van %n nummer accuraat</numerusform>
            <numerusform>%1 van %n nummers accuraat</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>wijkt af, herstelbaar (%1 woorden in %2 sectoren)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>wijkt af, niet herstelbaar</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>wijkt af, niet herstelbaar (de pariteit was niet te gebruiken)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 bij verschuiving %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB: %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB nummer %1: %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Er wordt een cd afgespeeld</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Kopie defect</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Druk op Laden</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Geen station</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Geen cd</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Geen audio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Geen geluid</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Verborgen nummer</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Nummer %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (pre-emphasis)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n nummer, %1</numerusform>
            <numerusform>%n nummers, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
