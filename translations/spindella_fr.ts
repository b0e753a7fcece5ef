<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>À propos du programme Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;À plus !!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Pour lancer l&apos;animation des cercles, cliquez une fois n&apos;importe où dans la fenêtre. Pour passer l&apos;animation en plein écran, double-cliquez tout simplement dans la fenêtre. Pour ramener le programme à son état d&apos;origine, il suffit de double-cliquer à nouveau. Restez cool.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella a été écrit en 2026 par Halcyra, qui en détient tous les droits. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Tous les contrôles communs et personnalisés distribués avec ce programme sont la propriété de Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The tooltip of an image that cannot be played: %1 its file&apos;s name, %2 why.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>CdPlayerPanel</name>
    <message>
        <source>Previous track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>Lecteur CD</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Afficheur du lecteur CD</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>une image de disque à lire : son fichier CUE (ou le
FLAC, WAV, AIFF ou BIN à côté), en chemin ou en URL
file: ; cdda: lit le disque du lecteur</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>enregistrer le disque du lecteur en image dans
FOLDER, sans fenêtre</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>le lecteur que lit --save-image, par exemple /dev/sr0
(sinon celui que choisirait Charger)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>servir d&apos;économiseur d&apos;écran à XScreenSaver sur tout
l&apos;écran (ou dans $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>servir d&apos;économiseur d&apos;écran dans la fenêtre ID
(en décimal ou en hexadécimal 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>la suite est une image, même si elle commence par -</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Lit les CD audio et les images de disque dans une fenêtre de cercles colorés.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>Les options propres à Qt, comme -platform ou -style, fonctionnent comme
dans tout programme Qt.
Code de sortie : 0 terminé, 1 rien n&apos;a pu être fait, 2 une piste diffère
ou erreur d&apos;utilisation.
Pour en savoir plus, voir %1(1).
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive ne va qu&apos;avec --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 ne va pas avec --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 demande un chemin sur cet ordinateur</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Saisissez « %1 --help » pour en savoir plus.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>un disque à la fois : seul %1 est ouvert</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 n&apos;est ni un fichier ni une adresse cdda:</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: Spindella est lancé mais ne répond pas</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1 % (piste %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>impossible d&apos;enregistrer dans %1 : ce n&apos;est pas un dossier accessible en écriture</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copie %1, la lecture de test concorde</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copie %1, la lecture de test diffère</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Piste %1 lue : %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>CRC de copie %1, corrigé par relecture</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC de copie %1, certains secteurs n’ont jamais été lus deux fois à l’identique</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n relecture)</numerusform>
            <numerusform> (%n relectures)</numerusform>
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
        <translation>Utilisation : %1 [IMAGE|URL]
              %1 --save-image FOLDER [--drive DEVICE]
              %1 --verify IMAGE.cue
              %1 --repair IMAGE.cue [--output FOLDER]
              %1 -root | -window-id ID
</translation>
    </message>
    <message>
        <source>check the image&apos;s tracks against AccurateRip
and the CUETools database, with no window</source>
        <translation>vérifier les pistes de l&apos;image auprès d&apos;AccurateRip
et de la base de données CUETools, sans fenêtre</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>réparer l&apos;image grâce à la parité de la base CUETools
dans un nouveau dossier, sans fenêtre</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>où --repair écrit l&apos;image réparée
(sinon à côté du dossier de l&apos;image)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify et --repair ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output ne va qu&apos;avec --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>%1 mots réparés dans %2 secteurs</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>L&apos;image est exacte : rien à réparer</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: pas de bus de session, donc ni touches multimédia ni contrôles multimédia</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: pas de nom de lecteur multimédia sur le bus de session, donc ni touches multimédia ni contrôles multimédia</translation>
    </message>
</context>
<context>
    <name>DiscKeeper</name>
    <message>
        <source>Rip %1</source>
        <extracomment>On the panel&apos;s small display while a disc is saved; %1 is a percentage.</extracomment>
        <translation>Copie %1</translation>
    </message>
    <message>
        <source>Check %1</source>
        <extracomment>On the panel&apos;s small display while an image is verified; %1 is a percentage.</extracomment>
        <translation>Contrôle %1</translation>
    </message>
    <message>
        <source>The disc was not saved</source>
        <translation>Le disque n&apos;a pas été enregistré</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>Le disque a été enregistré</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>Dans %1 : %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>L&apos;image n&apos;a pas été vérifiée</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>L&apos;image a été vérifiée</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>Enregistrer le disque en image dans</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Réparation %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>L&apos;image a été réparée</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>L&apos;image n&apos;a pas été réparée</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>elle est exacte : rien à réparer</translation>
    </message>
</context>
<context>
    <name>DiscNamer</name>
    <message>
        <source>disc %1 of %2</source>
        <translation>disque %1 sur %2</translation>
    </message>
    <message>
        <source>CD-Text</source>
        <translation>CD-Text</translation>
    </message>
    <message>
        <source>Track numbers only</source>
        <translation>Numéros de piste seulement</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Interprète inconnu</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Titre inconnu</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Titre inconnu (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Animation plein écran</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Lecteur CD Halcyra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Cliquez ici pour le mode d&apos;emploi.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>Spindella n&apos;ouvre les images de disque qu&apos;à partir de fichiers.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Piste cachée, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>Enregistrer le disque en &amp;image…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>&amp;Vérifier avec AccurateRip</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Lecture &amp;aléatoire</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Répéter</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>Dé&amp;sactivé</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Piste</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>&amp;Disque</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Noms</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Lecteur</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Piste %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Piste %1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A track&apos;s length: %1 its minutes, %2 its seconds, as said above.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Repair with &amp;CTDB…</source>
        <extracomment>CTDB is the CUETools database, which holds what mends a damaged image.</extracomment>
        <translation>Réparer avec &amp;CTDB…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>il n’y a pas de lecteur de CD</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>il n’y a pas de disque dans %1</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>le disque dans %1 n’a pas de piste audio</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>l’enregistrement a été annulé</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 ne peut pas être vérifié : %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>les pistes de l’image ne désignent aucun disque qu’AccurateRip puisse connaître</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>AccurateRip n’a pas pu être interrogé, ou a répondu n’importe quoi</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>AccurateRip n’est pas interrogé : la recherche est désactivée dans les réglages</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>la vérification a été annulée</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>le disque a été lu deux fois</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>le disque n’a pas de piste audio</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>la table des matières du disque n’a pas de sens</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>la table des matières du disque n’a pas de sens : %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>le disque a été retiré, ou le lecteur a cessé de le lire</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>il n’y a pas d’image lue à conserver</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque de stockage est plein</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>l’écriture FLAC a été ouverte deux fois</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>la durée du disque et les trames à écrire diffèrent</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>ne peut pas démarrer</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>l’encodeur FLAC ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>la structure du disque n’est pas celle d’un CD : %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>la pochette n’est ni une image PNG ni une image JPEG</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>la pochette est plus grande que ce qu’un fichier FLAC peut contenir</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>la pochette ne peut pas être conservée : %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>l’écriture FLAC n’est pas ouverte</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>il est arrivé plus d’audio que le disque n’en contient</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>s’est arrêté</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>l’audio s’est terminé avant la fin du disque</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>ne peut pas terminer le fichier</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>l’encodeur FLAC %1 : %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>le dossier de travail a été créé deux fois</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>impossible de créer un dossier dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>impossible de créer un dossier dans %1 : tous les noms essayés sont pris</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>il n’y a pas de dossier de travail où écrire</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>le nom d’un fichier doit être un nom, pas un chemin</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>il n’y a pas de dossier de travail à conserver</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 ne peut pas nommer un dossier</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>il y a déjà 999 copies de %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>l’image n’a pas de piste audio</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>les pistes de l’image n’ont pas de sens</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>l’image ne peut pas être lue à %1</translation>
    </message>
    <message>
        <source>8-bit</source>
        <translation>en 8 bits</translation>
    </message>
    <message>
        <source>24-bit</source>
        <translation>en 24 bits</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>en 32 bits</translation>
    </message>
    <message>
        <source>floating-point</source>
        <translation>en virgule flottante</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>compressé</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 n’est pas de l’audio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 est à %2 Hz, pas à 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 est en mono, pas en stéréo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 a %2 canaux, pas 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 est %2, pas en 16 bits</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 se dit d’une durée impossible</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>la feuille cue dépasse 1 Mo</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>ce n’est pas une feuille cue : elle contient des données binaires</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>plus de 4096 octets</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE sans nom</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK avant tout FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 n’a pas d’INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>les numéros de piste doivent croître de 1 à 99</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 avant tout TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX demande un numéro de 00 à 99</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 demande un temps mm:ss:ff</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>les numéros d’index doivent croître dans une piste</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX remonte dans le temps</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>aucun TRACK dedans</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>il ne contient pas de feuille cue à lui</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>sa feuille cue n’est pas celle d’un CD</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>sa feuille cue n’a pas de pistes, ou pas de fin</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>la piste %1 de sa feuille cue est hors d’ordre</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>la piste %1 de sa feuille cue n’est pas de l’audio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>la piste %1 de sa feuille cue ne tombe pas sur les secteurs d’un CD</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>la piste %1 de sa feuille cue a des index hors d’ordre</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>la piste %1 de sa feuille cue n’a pas d’INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>il n’y a pas de feuille cue %1 à côté</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, et %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>l’image dure plus de 24 heures</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 a un INDEX au-delà de la fin de %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>la durée du disque n’est pas comprise entre un secteur et un jour</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>un disque a de 1 à 99 pistes</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>le silence avant la piste 1 sort des limites</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>le numéro de catalogue n’a pas 13 chiffres</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>l’identifiant freedb du disque n’a pas 8 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>un numéro de disque est négatif</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>le fichier ne commence pas à la piste 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>la piste 1 a avant elle à la fois du silence omis et de l’audio conservé</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>le blanc de la piste %1 empiète sur la piste précédente</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>la piste %1 commence après la fin du fichier</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>l’ISRC de la piste %1 n’est pas fait de 12 majuscules et chiffres</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>la réponse de la base CUETools est illisible : %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>la réparation a été annulée</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>la base CUETools n&apos;a pas pu être interrogée</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>la base CUETools n&apos;est pas interrogée : la recherche est désactivée dans les réglages</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>le disque n&apos;est pas dans la base CUETools</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>la parité de la base CUETools n&apos;a pas pu servir</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>l&apos;image diffère de celle de la base CUETools au-delà de ce que sa parité répare</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 ne peut pas être réparé : %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>les sommes de l&apos;image réparée ne sont pas celles de la base CUETools</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>l&apos;image enregistrée ne peut pas être relue</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>exacte (confiance %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>absente de la base de données</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>le disque n&apos;est pas dans la base de données d&apos;AccurateRip</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>aucune vérification auprès d&apos;AccurateRip</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Piste %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>différences avec AccurateRip sur %1 de %n piste</numerusform>
            <numerusform>différences avec AccurateRip sur %1 des %n pistes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>sur %1 de %n piste, des secteurs n&apos;ont jamais été lus à l&apos;identique</numerusform>
            <numerusform>sur %1 des %n pistes, des secteurs n&apos;ont jamais été lus à l&apos;identique</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 sur %n piste exacte</numerusform>
            <numerusform>%1 sur %n pistes exactes</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>diffère, réparable (%1 mots dans %2 secteurs)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>diffère, non réparable</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>diffère, non réparable (la parité n&apos;a pas pu servir)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 au décalage %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB : %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB piste %1 : %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Lecture d&apos;un disque</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Image invalide</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Chargez le CD</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Pas de lecteur</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Pas de disque</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Pas d&apos;audio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Pas de son</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Disque illisible</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Piste cachée</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (préaccentuation)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n piste, %1</numerusform>
            <numerusform>%n pistes, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
