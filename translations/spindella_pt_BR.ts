<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutText</name>
    <message>
        <source>About The Spindella Program</source>
        <translation>Sobre o programa Spindella</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;&lt;&lt;See Ya !!!&gt;&gt;&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;&lt;&lt;Até mais!!!&gt;&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>To start the circle animation, click once anywhere on the form. To enable full screen animation, just double click on the form. To revert the program to it&apos;s original state, simply double click again. Stay Cool.</source>
        <translation>Para iniciar a animação de círculos, clique uma vez em qualquer lugar da janela. Para ativar a animação em tela cheia, basta clicar duas vezes na janela. Para fazer o programa voltar ao estado original, é só clicar duas vezes de novo. Fique numa boa.</translation>
    </message>
    <message>
        <source>Spindella was written in 2026 by Halcyra, who owns all rights to it. </source>
        <translation>Spindella foi escrito em 2026 por Halcyra, que detém todos os direitos sobre ele. </translation>
    </message>
    <message>
        <source>All common and custom controls distributed with this program are the property of Halcyra.</source>
        <translation>Todos os controles comuns e personalizados distribuídos com este programa são propriedade de Halcyra.</translation>
    </message>
</context>
<context>
    <name>CdPlayer</name>
    <message>
        <source>Spindella: cannot play %1: %2</source>
        <translation>Spindella: não é possível reproduzir %1: %2</translation>
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
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Próxima faixa</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Ejetar</translation>
    </message>
    <message>
        <source>CD player</source>
        <translation>Reprodutor de CD</translation>
    </message>
    <message>
        <source>CD player display</source>
        <translation>Visor do reprodutor de CD</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>a disc image to play: its cue sheet (or the FLAC, WAV,
AIFF or BIN beside it) as a path or a file: URL;
cdda: plays the drive</source>
        <translation>uma imagem de disco a reproduzir: o arquivo CUE (ou o
FLAC, WAV, AIFF ou BIN ao lado) como caminho ou URL
file:; cdda: reproduz a unidade</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>save the disc in the drive as an image in FOLDER,
with no window</source>
        <translation>salva o disco da unidade como imagem em FOLDER,
sem janela</translation>
    </message>
    <message>
        <source>the drive --save-image reads, such as /dev/sr0
(else the one Load would pick)</source>
        <translation>a unidade que --save-image lê, como /dev/sr0
(senão, a que Abrir escolheria)</translation>
    </message>
    <message>
        <source>be XScreenSaver&apos;s screen saver on the whole
screen (or in $XSCREENSAVER_WINDOW)</source>
        <translation>atua como protetor de tela do XScreenSaver na tela
inteira (ou em $XSCREENSAVER_WINDOW)</translation>
    </message>
    <message>
        <source>be the screen saver in window ID (decimal or 0x hex)</source>
        <translation>atua como protetor de tela na janela ID (decimal ou
hexadecimal com 0x)</translation>
    </message>
    <message>
        <source>what follows is an image, even when it starts with -</source>
        <translation>o que vem depois é uma imagem, mesmo que comece com -</translation>
    </message>
    <message>
        <source>Plays audio CDs and disc images in a window of coloured circles.</source>
        <extracomment>The line under the usage: what the program is.</extracomment>
        <translation>Reproduz CDs de áudio e imagens de disco numa janela de círculos coloridos.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, work as in every Qt program.
Exit status: 0 done, 1 nothing could be done, 2 a track differs or a usage error.
See %1(1) for more.
</source>
        <extracomment>The end of --help; %1 is the program&apos;s name.</extracomment>
        <translation>As opções do próprio Qt, como -platform ou -style, funcionam como em
qualquer programa Qt.
Status de saída: 0 feito, 1 nada pôde ser feito, 2 uma faixa difere
ou erro de uso.
Veja %1(1) para mais informações.
</translation>
    </message>
    <message>
        <source>--drive goes only with --save-image</source>
        <translation>--drive só pode ser usado com --save-image</translation>
    </message>
    <message>
        <source>%1 does not go with --%2</source>
        <extracomment>%1 is an image or URL, %2 the option it was given with.</extracomment>
        <translation>%1 não pode ser usado com --%2</translation>
    </message>
    <message>
        <source>--%1 needs a path on this computer</source>
        <extracomment>%1 is the option, without its dashes.</extracomment>
        <translation>--%1 precisa de um caminho neste computador</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.
</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Tente &quot;%1 --help&quot; para mais informações.
</translation>
    </message>
    <message>
        <source>one disc at a time: only %1 is opened</source>
        <translation>um disco por vez: só %1 é aberto</translation>
    </message>
    <message>
        <source>%1 is neither a file nor a cdda: address</source>
        <translation>%1 não é um arquivo nem um endereço cdda:</translation>
    </message>
    <message>
        <source>Spindella: Spindella is running but not answering</source>
        <translation>Spindella: o Spindella está em execução, mas não responde</translation>
    </message>
    <message>
        <source>%1% (track %2)</source>
        <extracomment>Progress shown in place on a terminal; %1 is a percentage, %2 a track number.</extracomment>
        <translation>%1% (faixa %2)</translation>
    </message>
    <message>
        <source>cannot save into %1: it is no folder that can be written</source>
        <extracomment>%1 is the folder given with --save-image.</extracomment>
        <translation>não é possível salvar em %1: não é uma pasta com permissão de escrita</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read agrees</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC da cópia %1, a leitura de teste confere</translation>
    </message>
    <message>
        <source>copy CRC %1, the test read differs</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC da cópia %1, a leitura de teste difere</translation>
    </message>
    <message>
        <source>Track %1 read: %2</source>
        <translation>Faixa %1 lida: %2</translation>
    </message>
    <message>
        <source>Saved in %1: %2</source>
        <extracomment>The last line of a saving; %1 is the folder made, %2 what AccurateRip said.
----------
The line after a repair; %1 is the folder made, %2 what AccurateRip said.</extracomment>
        <translation>Salvo em %1: %2</translation>
    </message>
    <message>
        <source>copy CRC %1, corrected by re-reading</source>
        <extracomment>%1 is a CRC in hexadecimal; re-reads settled where the test read was wrong.</extracomment>
        <translation>CRC da cópia %1, corrigido ao reler</translation>
    </message>
    <message>
        <source>copy CRC %1, some sectors never read alike twice</source>
        <extracomment>%1 is a CRC in hexadecimal.</extracomment>
        <translation>CRC da cópia %1, alguns setores nunca foram lidos iguais duas vezes</translation>
    </message>
    <message numerus="yes">
        <source> (%n re-read(s))</source>
        <translation>
            <numerusform> (%n releitura)</numerusform>
            <numerusform> (%n releituras)</numerusform>
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
        <translation>confere as faixas da imagem com o AccurateRip
e o banco de dados do CUETools, sem janela</translation>
    </message>
    <message>
        <source>mend the image from the CUETools database&apos;s
parity into a new folder, with no window</source>
        <translation>repara a imagem com a paridade do banco de dados do
CUETools numa pasta nova, sem janela</translation>
    </message>
    <message>
        <source>where --repair writes the repaired image
(else beside the image&apos;s folder)</source>
        <translation>onde --repair grava a imagem reparada
(senão, ao lado da pasta da imagem)</translation>
    </message>
    <message>
        <source>--save-image, --verify and --repair do not go together</source>
        <translation>--save-image, --verify e --repair não podem ser usados juntos</translation>
    </message>
    <message>
        <source>--output goes only with --repair</source>
        <translation>--output só pode ser usado com --repair</translation>
    </message>
    <message>
        <source>Repaired %1 words in %2 sectors</source>
        <extracomment>%1 counts the 16-bit words a repair changed, %2 the sectors holding them.</extracomment>
        <translation>Reparadas %1 palavras em %2 setores</translation>
    </message>
    <message>
        <source>The image is accurate: nothing to repair</source>
        <translation>A imagem está exata: nada a reparar</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>Spindella: no session bus, so no media keys or media controls</source>
        <translation>Spindella: sem barramento de sessão, portanto sem teclas de mídia nem controles de mídia</translation>
    </message>
    <message>
        <source>Spindella: no media player name on the session bus, so no media keys or media controls</source>
        <translation>Spindella: sem nome de reprodutor de mídia no barramento de sessão, portanto sem teclas de mídia nem controles de mídia</translation>
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
        <translation>O disco não foi salvo</translation>
    </message>
    <message>
        <source>The disc was saved</source>
        <translation>O disco foi salvo</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <translation>Em %1: %2</translation>
    </message>
    <message>
        <source>The image was not verified</source>
        <translation>A imagem não foi verificada</translation>
    </message>
    <message>
        <source>The image was verified</source>
        <translation>A imagem foi verificada</translation>
    </message>
    <message>
        <source>Save the disc as an image in</source>
        <translation>Salvar o disco como imagem em</translation>
    </message>
    <message>
        <source>Fix %1</source>
        <extracomment>On the panel&apos;s small display while an image is repaired; %1 is a percentage.</extracomment>
        <translation>Reparando %1</translation>
    </message>
    <message>
        <source>The image was repaired</source>
        <translation>A imagem foi reparada</translation>
    </message>
    <message>
        <source>The image was not repaired</source>
        <translation>A imagem não foi reparada</translation>
    </message>
    <message>
        <source>it is accurate: nothing to repair</source>
        <translation>ela está exata: nada a reparar</translation>
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
        <translation>Somente números de faixa</translation>
    </message>
</context>
<context>
    <name>DiscSaver</name>
    <message>
        <source>Unknown performer</source>
        <translation>Intérprete desconhecido</translation>
    </message>
    <message>
        <source>Unknown title</source>
        <translation>Título desconhecido</translation>
    </message>
    <message>
        <source>Unknown title (%1)</source>
        <extracomment>%1 is the disc&apos;s MusicBrainz disc ID.</extracomment>
        <translation>Título desconhecido (%1)</translation>
    </message>
</context>
<context>
    <name>IdleInhibitor</name>
    <message>
        <source>Full-screen animation</source>
        <translation>Animação em tela cheia</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Halcyra CD Player</source>
        <translation>Reprodutor de CD Halcyra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Click here for operating instructions.</source>
        <translation>Clique aqui para ver as instruções de uso.</translation>
    </message>
</context>
<context>
    <name>MprisPlayer</name>
    <message>
        <source>Spindella opens disc images from files only.</source>
        <translation>O Spindella só abre imagens de disco a partir de arquivos.</translation>
    </message>
</context>
<context>
    <name>PlayerMenu</name>
    <message>
        <source>Hidden track, %1</source>
        <translation>Faixa oculta, %1</translation>
    </message>
    <message>
        <source>Save disc as &amp;image…</source>
        <translation>Salvar disco como &amp;imagem…</translation>
    </message>
    <message>
        <source>&amp;Verify with AccurateRip</source>
        <translation>&amp;Verificar com o AccurateRip</translation>
    </message>
    <message>
        <source>&amp;Shuffle</source>
        <translation>Ordem &amp;aleatória</translation>
    </message>
    <message>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>D&amp;esligado</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>&amp;Faixa</translation>
    </message>
    <message>
        <source>&amp;Disc</source>
        <translation>&amp;Disco</translation>
    </message>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nomes</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Unidade</translation>
    </message>
    <message>
        <source>Track %1, %2</source>
        <translation>Faixa %1, %2</translation>
    </message>
    <message>
        <source>Track %1, %2, %3</source>
        <translation>Faixa %1, %2, %3</translation>
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
        <translation>%1 e %2</translation>
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
        <translation>Reparar com o &amp;CTDB…</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>there is no CD drive</source>
        <translation>não há unidade de CD</translation>
    </message>
    <message>
        <source>there is no disc in %1</source>
        <translation>não há disco em %1</translation>
    </message>
    <message>
        <source>the disc in %1 has no audio tracks</source>
        <translation>o disco em %1 não tem faixas de áudio</translation>
    </message>
    <message>
        <source>saving was cancelled</source>
        <translation>o salvamento foi cancelado</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be verified: %2</source>
        <translation>%1 não pode ser verificado: %2</translation>
    </message>
    <message>
        <source>the image&apos;s tracks name no disc AccurateRip could know</source>
        <translation>as faixas da imagem não correspondem a nenhum disco que o AccurateRip possa conhecer</translation>
    </message>
    <message>
        <source>AccurateRip could not be asked, or answered nonsense</source>
        <translation>não foi possível consultar o AccurateRip, ou ele respondeu algo sem sentido</translation>
    </message>
    <message>
        <source>AccurateRip is not asked: lookup is off in the settings</source>
        <translation>o AccurateRip não é consultado: a consulta está desativada nas configurações</translation>
    </message>
    <message>
        <source>verifying was cancelled</source>
        <translation>a verificação foi cancelada</translation>
    </message>
    <message>
        <source>the disc was read twice</source>
        <translation>o disco foi lido duas vezes</translation>
    </message>
    <message>
        <source>the disc has no audio tracks</source>
        <translation>o disco não tem faixas de áudio</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense</source>
        <translation>o sumário do disco não faz sentido</translation>
    </message>
    <message>
        <source>the disc&apos;s table of contents makes no sense: %1</source>
        <translation>o sumário do disco não faz sentido: %1</translation>
    </message>
    <message>
        <source>the disc was taken out, or the drive stopped reading it</source>
        <translation>o disco foi retirado, ou a unidade parou de lê-lo</translation>
    </message>
    <message>
        <source>there is no image read to keep</source>
        <translation>não há imagem lida para guardar</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco de armazenamento está cheio</translation>
    </message>
    <message>
        <source>the FLAC writer was opened twice</source>
        <translation>o gravador FLAC foi aberto duas vezes</translation>
    </message>
    <message>
        <source>the disc&apos;s length and the frames to write differ</source>
        <translation>a duração do disco e os quadros a gravar diferem</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>não pode iniciar</translation>
    </message>
    <message>
        <source>the FLAC encoder cannot start: %1</source>
        <translation>o codificador FLAC não pode iniciar: %1</translation>
    </message>
    <message>
        <source>the disc&apos;s layout is no CD&apos;s: %1</source>
        <translation>a estrutura do disco não é a de um CD: %1</translation>
    </message>
    <message>
        <source>the cover is neither a PNG nor a JPEG picture</source>
        <translation>a capa não é uma imagem PNG nem JPEG</translation>
    </message>
    <message>
        <source>the cover is larger than a FLAC file can hold</source>
        <translation>a capa é maior do que um arquivo FLAC comporta</translation>
    </message>
    <message>
        <source>the cover cannot be kept: %1</source>
        <translation>a capa não pode ser guardada: %1</translation>
    </message>
    <message>
        <source>the FLAC writer is not open</source>
        <translation>o gravador FLAC não está aberto</translation>
    </message>
    <message>
        <source>more audio came than the disc holds</source>
        <translation>chegou mais áudio do que o disco contém</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>parou</translation>
    </message>
    <message>
        <source>the audio ended before the disc&apos;s end</source>
        <translation>o áudio terminou antes do fim do disco</translation>
    </message>
    <message>
        <source>cannot end the file</source>
        <translation>não pode finalizar o arquivo</translation>
    </message>
    <message>
        <source>the FLAC encoder %1: %2</source>
        <translation>o codificador FLAC %1: %2</translation>
    </message>
    <message>
        <source>the working folder was made twice</source>
        <translation>a pasta de trabalho foi criada duas vezes</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>não é possível criar uma pasta em %1: %2</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: every name tried is taken</source>
        <translation>não é possível criar uma pasta em %1: todos os nomes tentados estão em uso</translation>
    </message>
    <message>
        <source>there is no working folder to write into</source>
        <translation>não há pasta de trabalho onde gravar</translation>
    </message>
    <message>
        <source>a file&apos;s name must be one name, not a path</source>
        <translation>o nome de um arquivo deve ser um nome, não um caminho</translation>
    </message>
    <message>
        <source>there is no working folder to keep</source>
        <translation>não há pasta de trabalho para guardar</translation>
    </message>
    <message>
        <source>%1 cannot name a folder</source>
        <translation>%1 não pode ser o nome de uma pasta</translation>
    </message>
    <message>
        <source>there are already 999 copies of %1</source>
        <translation>já existem 999 cópias de %1</translation>
    </message>
    <message>
        <source>the image has no audio tracks</source>
        <translation>a imagem não tem faixas de áudio</translation>
    </message>
    <message>
        <source>the image&apos;s tracks make no sense</source>
        <translation>as faixas da imagem não fazem sentido</translation>
    </message>
    <message>
        <source>the image cannot be read at %1</source>
        <translation>a imagem não pode ser lida em %1</translation>
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
        <translation>de ponto flutuante</translation>
    </message>
    <message>
        <source>compressed</source>
        <translation>compactado</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is not audio</source>
        <translation>%1 não é áudio</translation>
    </message>
    <message>
        <source>%1 is %2 Hz, not 44100 Hz</source>
        <translation>%1 é de %2 Hz, não de 44100 Hz</translation>
    </message>
    <message>
        <source>%1 is mono, not stereo</source>
        <translation>%1 é mono, não estéreo</translation>
    </message>
    <message>
        <source>%1 has %2 channels, not 2</source>
        <translation>%1 tem %2 canais, não 2</translation>
    </message>
    <message>
        <source>%1 is %2, not 16-bit</source>
        <translation>%1 é %2, não de 16 bits</translation>
    </message>
    <message>
        <source>%1 says it is of an impossible length</source>
        <translation>%1 diz ter uma duração impossível</translation>
    </message>
    <message>
        <source>%1 is damaged or cut short</source>
        <translation>%1 está danificado ou cortado</translation>
    </message>
    <message>
        <source>the cue sheet is larger than 1 MB</source>
        <translation>a folha cue é maior que 1 MB</translation>
    </message>
    <message>
        <source>this is no cue sheet: it holds binary data</source>
        <translation>isto não é uma folha cue: contém dados binários</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>longer than 4096 bytes</source>
        <translation>mais de 4096 bytes</translation>
    </message>
    <message>
        <source>FILE without a name</source>
        <translation>FILE sem nome</translation>
    </message>
    <message>
        <source>TRACK before any FILE</source>
        <translation>TRACK antes de qualquer FILE</translation>
    </message>
    <message>
        <source>TRACK %1 has no INDEX 01</source>
        <translation>TRACK %1 não tem INDEX 01</translation>
    </message>
    <message>
        <source>track numbers must rise from 1 to 99</source>
        <translation>os números das faixas devem subir de 1 a 99</translation>
    </message>
    <message>
        <source>%1 before any TRACK</source>
        <translation>%1 antes de qualquer TRACK</translation>
    </message>
    <message>
        <source>INDEX needs a number from 00 to 99</source>
        <translation>INDEX precisa de um número de 00 a 99</translation>
    </message>
    <message>
        <source>%1 needs a time mm:ss:ff</source>
        <translation>%1 precisa de um tempo mm:ss:ff</translation>
    </message>
    <message>
        <source>index numbers must rise within a track</source>
        <translation>os números de índice devem subir dentro de uma faixa</translation>
    </message>
    <message>
        <source>INDEX goes back in time</source>
        <translation>INDEX volta no tempo</translation>
    </message>
    <message>
        <source>no TRACK in it</source>
        <translation>nenhum TRACK nela</translation>
    </message>
    <message>
        <source>it holds no cue sheet of its own</source>
        <translation>não contém uma folha cue própria</translation>
    </message>
    <message>
        <source>its cue sheet is not a CD&apos;s</source>
        <translation>sua folha cue não é a de um CD</translation>
    </message>
    <message>
        <source>its cue sheet has no tracks, or no end</source>
        <translation>sua folha cue não tem faixas, ou não tem fim</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is out of order</source>
        <translation>a faixa %1 da sua folha cue está fora de ordem</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 is no audio</source>
        <translation>a faixa %1 da sua folha cue não é áudio</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 does not lie on a CD&apos;s sectors</source>
        <translation>a faixa %1 da sua folha cue não cai nos setores de um CD</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has indexes out of order</source>
        <translation>a faixa %1 da sua folha cue tem índices fora de ordem</translation>
    </message>
    <message>
        <source>its cue sheet&apos;s track %1 has no INDEX 01</source>
        <translation>a faixa %1 da sua folha cue não tem INDEX 01</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>there is no cue sheet %1 beside it</source>
        <translation>não há folha cue %1 ao lado</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, e %2</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 não está lá</translation>
    </message>
    <message>
        <source>the image is longer than 24 hours</source>
        <translation>a imagem dura mais de 24 horas</translation>
    </message>
    <message>
        <source>TRACK %1 has an INDEX past the end of %2</source>
        <translation>TRACK %1 tem um INDEX além do fim de %2</translation>
    </message>
    <message>
        <source>the disc&apos;s length is not between one sector and a day</source>
        <translation>a duração do disco não está entre um setor e um dia</translation>
    </message>
    <message>
        <source>a disc has from 1 to 99 tracks</source>
        <translation>um disco tem de 1 a 99 faixas</translation>
    </message>
    <message>
        <source>the silence before track 1 is out of bounds</source>
        <translation>o silêncio antes da faixa 1 está fora dos limites</translation>
    </message>
    <message>
        <source>the catalogue number is not 13 digits</source>
        <translation>o número de catálogo não tem 13 dígitos</translation>
    </message>
    <message>
        <source>the freedb disc ID is not 8 hexadecimal digits</source>
        <translation>o ID de disco do freedb não tem 8 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>a disc number is negative</source>
        <translation>um número de disco é negativo</translation>
    </message>
    <message>
        <source>the file does not start at track 1</source>
        <translation>o arquivo não começa na faixa 1</translation>
    </message>
    <message>
        <source>track 1 has both silence left out and audio kept before it</source>
        <translation>a faixa 1 tem antes dela tanto silêncio omitido quanto áudio mantido</translation>
    </message>
    <message>
        <source>the gap of track %1 reaches into the track before</source>
        <translation>a pausa da faixa %1 invade a faixa anterior</translation>
    </message>
    <message>
        <source>track %1 starts past the file&apos;s end</source>
        <translation>a faixa %1 começa depois do fim do arquivo</translation>
    </message>
    <message>
        <source>the ISRC of track %1 is not 12 capitals and digits</source>
        <translation>o ISRC da faixa %1 não tem 12 maiúsculas e dígitos</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s answer cannot be read: %1</source>
        <translation>a resposta do banco de dados do CUETools não pode ser lida: %1</translation>
    </message>
    <message>
        <source>repairing was cancelled</source>
        <translation>o reparo foi cancelado</translation>
    </message>
    <message>
        <source>the CUETools database could not be asked</source>
        <translation>não foi possível consultar o banco de dados do CUETools</translation>
    </message>
    <message>
        <source>the CUETools database is not asked: lookup is off in the settings</source>
        <translation>o banco de dados do CUETools não é consultado: a consulta está desligada nas configurações</translation>
    </message>
    <message>
        <source>the disc is not in the CUETools database</source>
        <translation>o disco não está no banco de dados do CUETools</translation>
    </message>
    <message>
        <source>the CUETools database&apos;s parity could not be used</source>
        <translation>não foi possível usar a paridade do banco de dados do CUETools</translation>
    </message>
    <message>
        <source>the image differs from the CUETools database&apos;s beyond what its parity mends</source>
        <translation>a imagem difere da do banco de dados do CUETools além do que a paridade repara</translation>
    </message>
    <message>
        <source>%1 cannot be repaired: %2</source>
        <translation>%1 não pode ser reparado: %2</translation>
    </message>
    <message>
        <source>the repaired image&apos;s sums are not the CUETools database&apos;s</source>
        <translation>as somas da imagem reparada não são as do banco de dados do CUETools</translation>
    </message>
    <message>
        <source>the saved image cannot be read back</source>
        <translation>a imagem salva não pode ser lida de volta</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportWords</name>
    <message>
        <source>accurate (confidence %1)</source>
        <extracomment>A database&apos;s answer on a track; %1 is how many rips agree.</extracomment>
        <translation>exata (confiança %1)</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difere</translation>
    </message>
    <message>
        <source>not in database</source>
        <translation>não está no banco de dados</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>não verificada</translation>
    </message>
    <message>
        <source>the disc is not in the AccurateRip database</source>
        <translation>o disco não está no banco de dados do AccurateRip</translation>
    </message>
    <message>
        <source>not checked against AccurateRip</source>
        <translation>sem verificação com o AccurateRip</translation>
    </message>
    <message>
        <source>Track %1: %2</source>
        <translation>Faixa %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) differ from AccurateRip&apos;s</source>
        <translation>
            <numerusform>diferenças em relação ao AccurateRip em %1 de %n faixa</numerusform>
            <numerusform>diferenças em relação ao AccurateRip em %1 de %n faixas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) have sectors whose reads never agreed</source>
        <translation>
            <numerusform>em %1 de %n faixa há setores cujas leituras nunca coincidiram</numerusform>
            <numerusform>em %1 de %n faixas há setores cujas leituras nunca coincidiram</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n track(s) accurate</source>
        <translation>
            <numerusform>%1 de %n faixa exata</numerusform>
            <numerusform>%1 de %n faixas exatas</numerusform>
        </translation>
    </message>
    <message>
        <source>differs, repairable (%1 words in %2 sectors)</source>
        <extracomment>The CUETools database&apos;s answer on a disc; %1 counts 16-bit words, %2 sectors.</extracomment>
        <translation>difere, reparável (%1 palavras em %2 setores)</translation>
    </message>
    <message>
        <source>differs, not repairable</source>
        <translation>difere, não reparável</translation>
    </message>
    <message>
        <source>differs, not repairable (the parity could not be used)</source>
        <translation>difere, não reparável (não foi possível usar a paridade)</translation>
    </message>
    <message>
        <source>%1 at offset %2</source>
        <extracomment>%1 is a verdict, %2 a signed number of samples such as +48 or -48.</extracomment>
        <translation>%1 com deslocamento %2</translation>
    </message>
    <message>
        <source>CTDB: %1</source>
        <extracomment>CTDB is the CUETools database; %1 is its answer on the disc.</extracomment>
        <translation>CTDB: %1</translation>
    </message>
    <message>
        <source>CTDB track %1: %2</source>
        <extracomment>CTDB is the CUETools database; %1 is a track number, %2 its answer on the track.</extracomment>
        <translation>CTDB faixa %1: %2</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Playing a disc</source>
        <translation>Reproduzindo um disco</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Bad image</source>
        <translation>Erro na imagem</translation>
    </message>
    <message>
        <source>Press Load</source>
        <translation>Clique em Abrir</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Abrindo</translation>
    </message>
    <message>
        <source>No drive</source>
        <translation>Sem unidade</translation>
    </message>
    <message>
        <source>No disc</source>
        <translation>Sem disco</translation>
    </message>
    <message>
        <source>No audio</source>
        <translation>Sem áudio</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Read error</source>
        <translation>Erro de leitura</translation>
    </message>
    <message>
        <source>Hidden track</source>
        <translation>Faixa oculta</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>%1 (pre-emphasis)</source>
        <translation>%1 (pré-ênfase)</translation>
    </message>
    <message numerus="yes">
        <source>%n track(s), %1</source>
        <translation>
            <numerusform>%n faixa, %1</numerusform>
            <numerusform>%n faixas, %1</numerusform>
        </translation>
    </message>
</context>
</TS>
