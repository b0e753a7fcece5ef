<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>Acerca del programa Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;¡¡¡Nos vemos!!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Para iniciar la animación de círculos, haga clic una vez en cualquier parte de la ventana. Para activar la animación a pantalla completa, basta con hacer doble clic en la ventana. Para devolver el programa a su estado original, simplemente haga doble clic otra vez. Tómeselo con calma.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella fue escrito en 2026 por Halcyra, que posee todos sus derechos. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Todos los controles comunes y personalizados que se distribuyen con este programa son propiedad de Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: no se puede reproducir %1: %2</translation>
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
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>Reproductor de CD</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Pantalla del reproductor de CD</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>una imagen de disco a reproducir: su archivo CUE
(o el FLAC, WAV, AIFF o BIN que lo acompaña) como ruta
o URL file:; cdda: reproduce la unidad</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>guardar el disco de la unidad como imagen en FOLDER,
sin ventana</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>la unidad que lee --save-image, como /dev/sr0
(si no, la que elegiría Cargar)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>ser el salvapantallas de XScreenSaver en toda la
pantalla (o en $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>ser el salvapantallas en la ventana ID (decimal o
hexadecimal con 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>lo que sigue es una imagen, aunque empiece por -</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Reproduce CD de audio e imágenes de disco en una ventana de círculos de colores.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Las opciones propias de Qt, como -platform o -style, funcionan como en
cualquier programa Qt.
Estado de salida: 0 hecho, 1 no se pudo hacer nada, 2 una pista difiere
o error de uso.
Consulte %1(1) para más información.
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive solo va con --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 no va con --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 necesita una ruta de este equipo</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>un disco cada vez: solo se abre %1</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 no es ni un archivo ni una dirección cdda:</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: Spindella está en marcha pero no responde</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1 % (pista %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>no se puede guardar en %1: no es una carpeta en la que se pueda escribir</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copia %1, la lectura de prueba coincide</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copia %1, la lectura de prueba no coincide</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Pista %1 leída: %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Guardado en %1: %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>CRC de copia %1, corregido al releer</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copia %1, algunos sectores nunca se leyeron igual dos veces</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n relectura)</numerusform>
            <numerusform> (%n relecturas)</numerusform>
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
        <translation>comprobar las pistas de la imagen con AccurateRip
y la base de datos de CUETools, sin ventana</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>reparar la imagen con la paridad de la base de datos
de CUETools en una carpeta nueva, sin ventana</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>dónde escribe --repair la imagen reparada
(si no, junto a la carpeta de la imagen)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify y --repair no van juntas</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output solo va con --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>Reparadas %1 palabras en %2 sectores</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>La imagen es exacta: no hay nada que reparar</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: no hay bus de sesión, así que no hay teclas multimedia ni controles multimedia</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: no hay nombre de reproductor multimedia en el bus de sesión, así que no hay teclas multimedia ni controles multimedia</translation>
    </message>
</context>
<context>
    <name>DiscKeeper</name>
    <message>
        <source>Rip %1</source>
        <extracomment>On the panel&apos;s small display while a disc is saved; %1 is a percentage.</extracomment>
        <translation>Copiando %1</translation>
    </message>
    <message>
        <source>Check %1</source>
        <extracomment>On the panel&apos;s small display while an image is verified; %1 is a percentage.</extracomment>
        <translation>Verificando %1</translation>
    </message>
    <message>
        <source>The disc was not saved</source>
        <translation>El disco no se ha guardado</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>El disco se ha guardado</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>En %1: %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>La imagen no se ha verificado</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>La imagen se ha verificado</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>Guardar el disco como imagen en</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Reparando %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>La imagen se ha reparado</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>La imagen no se ha reparado</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>es exacta: no hay nada que reparar</translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation>disco %1 de %2</translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation>CD-Text</translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation>Solo números de pista</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Intérprete desconocido</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Título desconocido</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Título desconocido (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Animación a pantalla completa</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Reproductor de CD Halcyra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Haga clic aquí para ver las instrucciones de uso.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>Spindella solo abre imágenes de disco desde archivos.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Pista oculta, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>Guardar disco como &amp;imagen…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>&amp;Verificar con AccurateRip</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Orden &amp;aleatorio</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Desactivado</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>Dis&amp;co</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nombres</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Pista %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Pista %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A track&apos;s length: %1 its minutes, %2 its seconds, as said above.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Repair with &amp;CTDB…</source>
        <extracomment>CTDB is the CUETools database, which holds what mends a damaged image.</extracomment>
        <translation>R&amp;eparar con CTDB…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>no hay ninguna unidad de CD</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>no hay ningún disco en %1</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>el disco de %1 no tiene pistas de audio</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>se canceló el guardado</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 no se puede verificar: %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>las pistas de la imagen no corresponden a ningún disco que AccurateRip pueda conocer</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>no se pudo consultar AccurateRip, o respondió algo sin sentido</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>no se consulta AccurateRip: la consulta está desactivada en la configuración</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>se canceló la verificación</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>el disco se leyó dos veces</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>el disco no tiene pistas de audio</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>la tabla de contenidos del disco no tiene sentido</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>la tabla de contenidos del disco no tiene sentido: %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>se sacó el disco, o la unidad dejó de leerlo</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>no hay ninguna imagen leída que guardar</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco duro está lleno</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>el escritor FLAC se abrió dos veces</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>la duración del disco y las tramas por escribir no coinciden</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>no queda memoria</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>no puede arrancar</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>el codificador FLAC no puede arrancar: %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>la estructura del disco no es la de un CD: %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>la portada no es una imagen PNG ni JPEG</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>la portada es más grande de lo que cabe en un archivo FLAC</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>no se puede guardar la portada: %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>el escritor FLAC no está abierto</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>llegó más audio del que contiene el disco</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>se detuvo</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>el audio terminó antes del final del disco</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>no puede cerrar el archivo</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>el codificador FLAC %1: %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>la carpeta de trabajo se creó dos veces</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>no se puede crear una carpeta en %1: %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>no se puede crear una carpeta en %1: todos los nombres probados están ocupados</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>no hay ninguna carpeta de trabajo donde escribir</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>el nombre de un archivo debe ser un nombre, no una ruta</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>no hay ninguna carpeta de trabajo que guardar</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 no puede ser el nombre de una carpeta</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>ya hay 999 copias de %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>la imagen no tiene pistas de audio</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>las pistas de la imagen no tienen sentido</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>la imagen no se puede leer en %1</translation>
    </message>
    <message>
        <source>8-bit</source>
        <translation>de 8 bits</translation>
    </message>
    <message>
        <source>24-bit</source>
        <translation>de 24 bits</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>de 32 bits</translation>
    </message>
    <message>
        <source>floating-point</source>
        <translation>de coma flotante</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>comprimido</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 no se puede leer</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 no es audio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 es de %2 Hz, no de 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 es mono, no estéreo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 tiene %2 canales, no 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 es %2, no de 16 bits</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 dice tener una duración imposible</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 está dañado o cortado</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>la hoja cue ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>esto no es una hoja cue: contiene datos binarios</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>más de 4096 bytes</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE sin nombre</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK antes de cualquier FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 no tiene INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>los números de pista deben subir de 1 a 99</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 antes de cualquier TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX necesita un número de 00 a 99</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 necesita un tiempo mm:ss:ff</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>los números de índice deben subir dentro de una pista</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX retrocede en el tiempo</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>no contiene ningún TRACK</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>no contiene ninguna hoja cue propia</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>su hoja cue no es la de un CD</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>su hoja cue no tiene pistas, o no tiene final</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>la pista %1 de su hoja cue está fuera de orden</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>la pista %1 de su hoja cue no es audio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>la pista %1 de su hoja cue no cae en los sectores de un CD</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>la pista %1 de su hoja cue tiene índices fuera de orden</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>la pista %1 de su hoja cue no tiene INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>no hay ninguna hoja cue %1 a su lado</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, y %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 no está</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>la imagen dura más de 24 horas</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 tiene un INDEX más allá del final de %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>la duración del disco no está entre un sector y un día</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>un disco tiene de 1 a 99 pistas</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>el silencio antes de la pista 1 está fuera de los límites</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>el número de catálogo no tiene 13 dígitos</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>el ID de disco de freedb no tiene 8 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>un número de disco es negativo</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>el archivo no empieza en la pista 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>la pista 1 tiene antes silencio omitido y audio conservado a la vez</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>la pausa de la pista %1 llega a la pista anterior</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>la pista %1 empieza después del final del archivo</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>el ISRC de la pista %1 no son 12 mayúsculas y dígitos</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>la respuesta de la base de datos de CUETools no se puede leer: %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>se ha cancelado la reparación</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>no se ha podido consultar la base de datos de CUETools</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>no se consulta la base de datos de CUETools: la consulta está desactivada en los ajustes</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>el disco no está en la base de datos de CUETools</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>no se ha podido usar la paridad de la base de datos de CUETools</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>la imagen difiere de la de la base de datos de CUETools más de lo que su paridad repara</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 no se puede reparar: %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>las sumas de la imagen reparada no son las de la base de datos de CUETools</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>la imagen guardada no se puede volver a leer</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>exacta (confianza %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>no está en la base de datos</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>sin comprobar</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>el disco no está en la base de datos de AccurateRip</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>sin comprobar con AccurateRip</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Pista %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>diferencias con AccurateRip en %1 de %n pista</numerusform>
            <numerusform>diferencias con AccurateRip en %1 de %n pistas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>en %1 de %n pista hay sectores cuyas lecturas nunca coincidieron</numerusform>
            <numerusform>en %1 de %n pistas hay sectores cuyas lecturas nunca coincidieron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 de %n pista exacta</numerusform>
            <numerusform>%1 de %n pistas exactas</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>difiere, reparable (%1 palabras en %2 sectores)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>difiere, no reparable</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>difiere, no reparable (no se ha podido usar la paridad)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 con desplazamiento %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB: %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB pista %1: %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Reproduciendo un disco</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Imagen dañada</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Pulse Cargar</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Abriendo</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Sin unidad</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Sin disco</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Sin audio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Pista oculta</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (preénfasis)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n pista, %1</numerusform>
            <numerusform>%n pistas, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
