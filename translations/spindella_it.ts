<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>Informazioni sul programma Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;Ci vediamo!!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Per avviare l&apos;animazione dei cerchi, fai clic una volta in un punto qualsiasi della finestra. Per attivare l&apos;animazione a schermo intero, basta un doppio clic sulla finestra. Per riportare il programma allo stato originale, è sufficiente un altro doppio clic. Stammi bene.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella è stato scritto nel 2026 da Halcyra, che ne detiene tutti i diritti. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Tutti i controlli comuni e personalizzati distribuiti con questo programma sono di proprietà di Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: impossibile riprodurre %1: %2</translation>
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
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Espelli</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>Lettore CD</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Display del lettore CD</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>un&apos;immagine disco da riprodurre: il suo file CUE (o il
FLAC, WAV, AIFF o BIN accanto) come percorso o URL
file:; cdda: riproduce l&apos;unità</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>salva il disco nell&apos;unità come immagine in FOLDER,
senza finestra</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>l&apos;unità letta da --save-image, ad esempio /dev/sr0
(altrimenti quella che sceglierebbe Carica)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>fa da salvaschermo di XScreenSaver sull&apos;intero
schermo (o in $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>fa da salvaschermo nella finestra ID (decimale o
esadecimale con 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>ciò che segue è un&apos;immagine, anche se inizia con -</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Riproduce CD audio e immagini disco in una finestra di cerchi colorati.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Le opzioni proprie di Qt, come -platform o -style, funzionano come in ogni
programma Qt.
Stato d&apos;uscita: 0 fatto, 1 non è stato possibile fare nulla, 2 una traccia
differisce o errore d&apos;uso.
Vedere %1(1) per saperne di più.
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive va solo con --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 non va con --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 richiede un percorso su questo computer</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Usare «%1 --help» per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>un disco alla volta: viene aperto solo %1</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 non è né un file né un indirizzo cdda:</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: Spindella è in esecuzione ma non risponde</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1% (traccia %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>impossibile salvare in %1: non è una cartella in cui si possa scrivere</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC della copia %1, la lettura di prova coincide</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC della copia %1, la lettura di prova differisce</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Traccia %1 letta: %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Salvato in %1: %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>CRC della copia %1, corretto rileggendo</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC della copia %1, alcuni settori non sono mai stati letti uguali due volte</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n rilettura)</numerusform>
            <numerusform> (%n riletture)</numerusform>
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
        <translation>Uso: %1 [IMAGE|URL]
     %1 --save-image FOLDER [--drive DEVICE]
     %1 --verify IMAGE.cue
     %1 --repair IMAGE.cue [--output FOLDER]
     %1 -root | -window-id ID
</translation>
    </message>
    <message>
        <source>check the image&apos;s tracks against AccurateRip
and the CUETools database, with no window</source>
        <translation>controlla le tracce dell&apos;immagine con AccurateRip
e con il database di CUETools, senza finestra</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>ripara l&apos;immagine con la parità del database di
CUETools in una nuova cartella, senza finestra</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>dove --repair scrive l&apos;immagine riparata
(altrimenti accanto alla cartella dell&apos;immagine)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify e --repair non vanno insieme</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output va solo con --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>Riparate %1 parole in %2 settori</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>L&apos;immagine è esatta: niente da riparare</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: nessun bus di sessione, quindi niente tasti multimediali né controlli multimediali</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: nessun nome di lettore multimediale sul bus di sessione, quindi niente tasti multimediali né controlli multimediali</translation>
    </message>
</context>
<context>
    <name>DiscKeeper</name>
    <message>
        <source>Rip %1</source>
        <extracomment>On the panel&apos;s small display while a disc is saved; %1 is a percentage.</extracomment>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Check %1</source>
        <extracomment>On the panel&apos;s small display while an image is verified; %1 is a percentage.</extracomment>
        <translation>Verifica %1</translation>
    </message>
    <message>
        <source>The disc was not saved</source>
        <translation>Il disco non è stato salvato</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>Il disco è stato salvato</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>In %1: %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>L&apos;immagine non è stata verificata</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>L&apos;immagine è stata verificata</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>Salva il disco come immagine in</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Ripara %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>L&apos;immagine è stata riparata</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>L&apos;immagine non è stata riparata</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>è esatta: niente da riparare</translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation>disco %1 di %2</translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation>CD-Text</translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation>Solo numeri di traccia</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Interprete sconosciuto</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Titolo sconosciuto</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Titolo sconosciuto (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Animazione a schermo intero</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Lettore CD Halcyra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Fai clic qui per le istruzioni d&apos;uso.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>Spindella apre immagini disco solo da file.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Traccia nascosta, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>Salva il disco come &amp;immagine…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>&amp;Verifica con AccurateRip</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Riproduzione &amp;casuale</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Disattivato</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Traccia</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>Di&amp;sco</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nomi</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Traccia %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Traccia %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A track&apos;s length: %1 its minutes, %2 its seconds, as said above.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Repair with &amp;CTDB…</source>
        <extracomment>CTDB is the CUETools database, which holds what mends a damaged image.</extracomment>
        <translation>Ri&amp;para con CTDB…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>non c’è nessuna unità CD</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>non c’è nessun disco in %1</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>il disco in %1 non ha tracce audio</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>il salvataggio è stato annullato</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossibile rimuovere %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 non può essere verificato: %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>le tracce dell’immagine non indicano alcun disco che AccurateRip possa conoscere</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>non è stato possibile interrogare AccurateRip, o ha risposto in modo insensato</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>AccurateRip non viene interrogato: la ricerca è disattivata nelle impostazioni</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>la verifica è stata annullata</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>il disco è stato letto due volte</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>il disco non ha tracce audio</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>l’indice del disco non ha senso</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>l’indice del disco non ha senso: %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>il disco è stato estratto, o l’unità ha smesso di leggerlo</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>non c’è nessuna immagine letta da conservare</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco di archiviazione è pieno</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>lo scrittore FLAC è stato aperto due volte</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>la durata del disco e i frame da scrivere non coincidono</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>non può avviarsi</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>il codificatore FLAC non può avviarsi: %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>la struttura del disco non è quella di un CD: %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>la copertina non è un’immagine PNG né JPEG</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>la copertina è più grande di quanto un file FLAC possa contenere</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>la copertina non può essere conservata: %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>lo scrittore FLAC non è aperto</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>è arrivato più audio di quanto ne contenga il disco</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>si è fermato</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>l’audio è finito prima della fine del disco</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>non può chiudere il file</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>il codificatore FLAC %1: %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>la cartella di lavoro è stata creata due volte</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>impossibile creare una cartella in %1: %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>impossibile creare una cartella in %1: ogni nome provato è già usato</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>non c’è nessuna cartella di lavoro in cui scrivere</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>il nome di un file deve essere un nome, non un percorso</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>non c’è nessuna cartella di lavoro da conservare</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 non può essere il nome di una cartella</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>ci sono già 999 copie di %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>l’immagine non ha tracce audio</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>le tracce dell’immagine non hanno senso</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>l’immagine non può essere letta a %1</translation>
    </message>
    <message>
        <source>8-bit</source>
        <translation>a 8 bit</translation>
    </message>
    <message>
        <source>24-bit</source>
        <translation>a 24 bit</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>a 32 bit</translation>
    </message>
    <message>
        <source>floating-point</source>
        <translation>in virgola mobile</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>compresso</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non può essere letto</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 non è audio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 è a %2 Hz, non a 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 è mono, non stereo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 ha %2 canali, non 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 è %2, non a 16 bit</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 dichiara una durata impossibile</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 è danneggiato o troncato</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>il cue sheet supera 1 MB</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>questo non è un cue sheet: contiene dati binari</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>più lunga di 4096 byte</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE senza nome</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK prima di qualsiasi FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 non ha INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>i numeri di traccia devono salire da 1 a 99</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 prima di qualsiasi TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX richiede un numero da 00 a 99</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 richiede un tempo mm:ss:ff</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>i numeri di indice devono salire all’interno di una traccia</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX torna indietro nel tempo</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>nessun TRACK al suo interno</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>non contiene un proprio cue sheet</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>il suo cue sheet non è quello di un CD</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>il suo cue sheet non ha tracce, o non ha fine</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>la traccia %1 del suo cue sheet è fuori ordine</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>la traccia %1 del suo cue sheet non è audio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>la traccia %1 del suo cue sheet non cade sui settori di un CD</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>la traccia %1 del suo cue sheet ha indici fuori ordine</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>la traccia %1 del suo cue sheet non ha INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>non c’è nessun cue sheet %1 accanto</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, e %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 non c’è</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>l’immagine dura più di 24 ore</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 ha un INDEX oltre la fine di %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>la durata del disco non è tra un settore e un giorno</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>un disco ha da 1 a 99 tracce</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>il silenzio prima della traccia 1 è fuori dai limiti</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>il numero di catalogo non ha 13 cifre</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>l’ID freedb del disco non ha 8 cifre esadecimali</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>un numero di disco è negativo</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>il file non inizia dalla traccia 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>la traccia 1 ha prima di sé sia silenzio omesso sia audio conservato</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>la pausa della traccia %1 arriva nella traccia precedente</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>la traccia %1 inizia dopo la fine del file</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>l’ISRC della traccia %1 non è di 12 maiuscole e cifre</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>la risposta del database di CUETools non è leggibile: %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>la riparazione è stata annullata</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>non è stato possibile interrogare il database di CUETools</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>il database di CUETools non viene interrogato: la ricerca è disattivata nelle impostazioni</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>il disco non è nel database di CUETools</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>non è stato possibile usare la parità del database di CUETools</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>l&apos;immagine differisce da quella del database di CUETools oltre ciò che la sua parità ripara</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 non può essere riparato: %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>le somme dell&apos;immagine riparata non sono quelle del database di CUETools</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>l&apos;immagine salvata non può essere riletta</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>accurata (confidenza %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>differisce</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>assente dal database</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>il disco non è nel database di AccurateRip</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>nessuna verifica con AccurateRip</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Traccia %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>differenze rispetto ad AccurateRip in %1 di %n traccia</numerusform>
            <numerusform>differenze rispetto ad AccurateRip in %1 delle %n tracce</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>in %1 di %n traccia ci sono settori le cui letture non hanno mai coinciso</numerusform>
            <numerusform>in %1 delle %n tracce ci sono settori le cui letture non hanno mai coinciso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 su %n traccia accurata</numerusform>
            <numerusform>%1 su %n tracce accurate</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>differisce, riparabile (%1 parole in %2 settori)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>differisce, non riparabile</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>differisce, non riparabile (non è stato possibile usare la parità)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 con scostamento %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB: %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB traccia %1: %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Riproduzione di un disco</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Immagine rotta</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Premi Carica</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Nessuna unità</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Nessun disco</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Nessun audio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Nessun suono</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Errore di lettura</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Traccia nascosta</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (pre-enfasi)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n traccia, %1</numerusform>
            <numerusform>%n tracce, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
