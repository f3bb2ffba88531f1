<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or of any part of it, is unlawful and may be prosecuted.</source>
        <extracomment>Fills a box of fixed size beside the &quot;Warning&quot; title: keep about the English length.</extracomment>
        <translation>La reproducción o distribución no autorizada de este programa, o de cualquier parte de él, es ilegal y puede ser perseguida.</translation>
    </message>
    <message>
        <source>Program by the Quiltra developers.
Pictures by NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek and Risto Saukonpää; see CREDITS.md.</source>
        <extracomment>A box of fixed size in small print: keep about the English length and every name as it is.</extracomment>
        <translation>Programa de los desarrolladores de Quiltra.
Imágenes de NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek y Risto Saukonpää; véase CREDITS.md.</translation>
    </message>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. In no event shall the author be liable for any damages whatsoever arising out of the use of this program or the inability to use it.

You may install and use one copy of this program on one computer at a time. You may not sell, rent, lease or distribute copies of the program, in whole or in part, or change it without the author&apos;s written permission.</source>
        <translation>Este programa se proporciona «tal cual», sin garantía de ningún tipo, expresa o implícita. En ningún caso el autor será responsable de daño alguno derivado del uso de este programa o de la imposibilidad de usarlo.

Puede instalar y usar una copia de este programa en un solo ordenador a la vez. No puede vender, alquilar, arrendar ni distribuir copias del programa, en todo o en parte, ni modificarlo sin el permiso por escrito del autor.</translation>
    </message>
    <message>
        <source>About Quiltra</source>
        <translation>Acerca de Quiltra</translation>
    </message>
    <message>
        <source>Version 1.3, requires Windows 95</source>
        <extracomment>One line, left of the divider in the middle of the window.</extracomment>
        <translation>Versión 1.3, requiere Windows 95</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>A small button.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <extracomment>A button about twice as wide as &quot;Okay&quot;.</extracomment>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Quiltra License Agreement</source>
        <translation>Acuerdo de licencia de Quiltra</translation>
    </message>
</context>
<context>
    <name>BestTimes</name>
    <message>
        <source>Quiltra - Best Times</source>
        <translation>Quiltra - Mejores tiempos</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>No best times yet: each solved game is listed here.</source>
        <translation>Aún no hay mejores tiempos: aquí aparece cada partida resuelta.</translation>
    </message>
    <message>
        <source>&amp;Clear All...</source>
        <translation>&amp;Borrar todo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Clear all best times? They cannot be brought back.</source>
        <translation>¿Borrar todos los mejores tiempos? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>The best times could not be cleared in &quot;times.txt&quot;: %1.</source>
        <translation>No se han podido borrar los mejores tiempos de &quot;times.txt&quot;: %1.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>New best time</source>
        <translation>Nuevo mejor tiempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>The best times could not be saved: %1. They are kept until Quiltra is closed.</source>
        <translation>No se han podido guardar los mejores tiempos: %1. Se conservan hasta que se cierre Quiltra.</translation>
    </message>
    <message>
        <source>The best times could not be read, so this result was not saved: %1. &quot;times.txt&quot; is left as it is, and the result is kept until Quiltra is closed.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;times.txt&quot; is a file name.</extracomment>
        <translation>No se han podido leer los mejores tiempos, así que este resultado no se ha guardado: %1. «times.txt» se deja como está, y el resultado se conserva hasta que se cierre Quiltra.</translation>
    </message>
    <message>
        <source>another Quiltra is using the file</source>
        <translation>otro Quiltra está usando el archivo</translation>
    </message>
    <message>
        <source>Welcome to Quiltra v1.3</source>
        <translation>Bienvenido a Quiltra v1.3</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>¿Seguro que quiere salir del programa?</translation>
    </message>
    <message>
        <source>Solve the puzzle by switching the location of pieces unitl it resembles the original image.  To move a piece simply click on the piece and then click on the piece you want to switch it with.</source>
        <translation>Resuelva el puzle intercambiando las piezas de sitio hasta que se parezca a la imagen original.  Para mover una pieza, haga clic en ella y después en la pieza con la que quiera intercambiarla.</translation>
    </message>
    <message>
        <source>Puzzle Mode - Rules</source>
        <translation>Modo Puzle - Reglas</translation>
    </message>
    <message>
        <source>Solve the puzzle by moving the pieces until a resemblance of the original picture is formed.  A piece can only be moved onto the empty space, by clicking the piece you want moved and then clicking on the empty space.  The empty space must be directly beside the piece that is being moved.</source>
        <translation>Resuelva el puzle moviendo las piezas hasta formar una imagen parecida a la original.  Una pieza solo puede moverse al hueco: haga clic en la pieza que quiera mover y después en el hueco.  El hueco debe estar justo al lado de la pieza que se mueve.</translation>
    </message>
    <message>
        <source>Slider Mode - Rules</source>
        <translation>Modo Deslizante - Reglas</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>A label in the window title, followed by a blank and the value.</extracomment>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>No pictures in Picture List.</source>
        <translation>No hay imágenes en la lista de imágenes.</translation>
    </message>
    <message>
        <source>This picture cannot be added to the Picture List: its name contains a double quote or a line break.</source>
        <translation>Esta imagen no se puede añadir a la lista de imágenes: su nombre contiene comillas dobles o un salto de línea.</translation>
    </message>
    <message>
        <source>Saved game file was not found.</source>
        <translation>No se ha encontrado el archivo de la partida guardada.</translation>
    </message>
    <message>
        <source>Picture from saved game was not found.</source>
        <translation>No se ha encontrado la imagen de la partida guardada.</translation>
    </message>
    <message>
        <source>Error in saved game file.</source>
        <translation>Error en el archivo de la partida guardada.</translation>
    </message>
    <message>
        <source>The game could not be saved: the picture&apos;s name or folder contains a double quote or a line break.</source>
        <translation>No se ha podido guardar la partida: el nombre o la carpeta de la imagen contiene comillas dobles o un salto de línea.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The previous saved game, if any, is kept.</source>
        <translation>No se ha podido guardar la partida: %1. Se conserva la partida guardada anterior, si la había.</translation>
    </message>
    <message>
        <source>Randomizing puzzle</source>
        <translation>Mezclando el puzle</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Movimientos:</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Pistas:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>slider</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - slider: name&quot;) and the Best Times list.</extracomment>
        <translation>deslizante</translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - puzzle: name&quot;) and the Best Times list.</extracomment>
        <translation>puzle</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Stands in place of the clock (&quot; 0:00:00&quot;) in the corner of the menu bar: keep it short.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Short for &quot;Moves&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Short for &quot;Hints&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>Solved for you</source>
        <extracomment>The banner over the whole picture after a game Help &gt; Solve finished or helped finish.</extracomment>
        <translation>Resuelto por ti</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <extracomment>In the menu bar&apos;s corner while the solver works out the next moves for Next Move or Solve.</extracomment>
        <translation>Pensando...</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Quiltra Overview</source>
        <translation>Presentación de Quiltra</translation>
    </message>
    <message>
        <source>Getting Help</source>
        <translation>Obtener ayuda</translation>
    </message>
    <message>
        <source>Using The File Menu</source>
        <translation>Uso del menú Archivo</translation>
    </message>
    <message>
        <source>Starting A New Game</source>
        <translation>Empezar una nueva partida</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzle</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Deslizante</translation>
    </message>
    <message>
        <source>Getting A New Picture</source>
        <translation>Abrir una imagen nueva</translation>
    </message>
    <message>
        <source>Loading A Game</source>
        <translation>Cargar una partida</translation>
    </message>
    <message>
        <source>Saving Current Game</source>
        <translation>Guardar la partida actual</translation>
    </message>
    <message>
        <source>Quitting Quiltra</source>
        <translation>Salir de Quiltra</translation>
    </message>
    <message>
        <source>Changing Views</source>
        <translation>Cambiar de vista</translation>
    </message>
    <message>
        <source>Using The Picture List</source>
        <translation>Uso de la lista de imágenes</translation>
    </message>
    <message>
        <source>Adding To The List</source>
        <translation>Añadir a la lista</translation>
    </message>
    <message>
        <source>Editing The List</source>
        <translation>Editar la lista</translation>
    </message>
    <message>
        <source>Selecting Picture From List</source>
        <translation>Elegir una imagen de la lista</translation>
    </message>
    <message>
        <source>Changing The Puzzle Size</source>
        <translation>Cambiar el tamaño del puzle</translation>
    </message>
    <message>
        <source>Using The Preferences Menu</source>
        <translation>Uso del menú Preferencias</translation>
    </message>
    <message>
        <source>Changing The Colors</source>
        <translation>Cambiar los colores</translation>
    </message>
    <message>
        <source>Enabling/Disabling Sound</source>
        <translation>Activar/desactivar el sonido</translation>
    </message>
    <message>
        <source>Resizing The Game Area</source>
        <translation>Tamaño del área de juego</translation>
    </message>
    <message>
        <source>Saving Preferences</source>
        <translation>Guardar las preferencias</translation>
    </message>
    <message>
        <source>Using The Help Menu</source>
        <translation>Uso del menú Ayuda</translation>
    </message>
    <message>
        <source>Open File Window</source>
        <translation>Ventana Abrir imagen</translation>
    </message>
    <message>
        <source>Viewing A Picture</source>
        <translation>Ver una imagen</translation>
    </message>
    <message>
        <source>Picture List Editor</source>
        <translation>Editor de la lista de imágenes</translation>
    </message>
    <message>
        <source>Adding/Removing Pictures</source>
        <translation>Añadir/quitar imágenes</translation>
    </message>
    <message>
        <source>Picture Viewer Window</source>
        <translation>Ventana del visor de imágenes</translation>
    </message>
    <message>
        <source>Resizing The Picture</source>
        <translation>Cambiar el tamaño de la imagen</translation>
    </message>
    <message>
        <source>Undo, Keys And Best Times</source>
        <translation>Deshacer, teclas y récords</translation>
    </message>
    <message>
        <source>Next Move And Solve</source>
        <translation>Siguiente movimiento y resolver</translation>
    </message>
    <message>
        <source>End of the help document. Press Home to return to the index.</source>
        <translation>Fin del documento de ayuda. Pulse Inicio para volver al índice.</translation>
    </message>
    <message>
        <source>QUILTRA  OVERVIEW</source>
        <translation>PRESENTACIÓN  DE QUILTRA</translation>
    </message>
    <message>
        <source>Quiltra is a picture puzzle. It takes a picture, fits it into the game area, cuts it into a grid of equal rectangular pieces and shuffles them; your task is to put the picture together again.

There are two ways to play. In Puzzle mode the pieces are dealt out at random and you move them with two clicks: click a piece, then click the piece it should change places with. In Slider mode one corner piece is taken away to leave an empty space, and you slide the pieces beside the empty space into it.

Quiltra comes with 20 pictures, and you can play with your own: bitmaps, GIFs and JPEGs (files ending in bmp, gif or jpg). A picture larger than the game area is reduced to fit; a picture of 100 by 100 pixels or less is too small and cannot be used. The number of sizes on offer depends on the picture&apos;s dimensions: a large picture offers about ten in the standard window, and more in a larger one.

The game clock in the title bar pauses whenever you turn away: when the window is minimised or loses the focus, when another Quiltra window opens, or when you press P. Any key, or your next move, starts it again.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quiltra es un puzle de imágenes. Toma una imagen, la ajusta al área de juego, la corta en una cuadrícula de piezas rectangulares iguales y las mezcla; su tarea es volver a componer la imagen.

Hay dos formas de jugar. En el modo Puzle las piezas se reparten al azar y se mueven con dos clics: haga clic en una pieza y luego en la pieza con la que debe cambiar de sitio. En el modo Deslizante se quita una pieza de una esquina para dejar un hueco, y las piezas junto al hueco se deslizan hasta él.

Quiltra trae 20 imágenes, y puede jugar con las suyas: mapas de bits, GIF y JPEG (archivos terminados en bmp, gif o jpg). Una imagen mayor que el área de juego se reduce para que quepa; una imagen de 100 por 100 píxeles o menos es demasiado pequeña y no se puede usar. Los tamaños disponibles dependen de las dimensiones de la imagen: una imagen grande ofrece unos diez en la ventana estándar, y más en una mayor.

El reloj de la partida, en la barra de título, se para cuando usted se aparta: al minimizar la ventana o perder el foco, al abrirse otra ventana de Quiltra o al pulsar P. Cualquier tecla, o su siguiente movimiento, lo vuelve a poner en marcha.</translation>
    </message>
    <message>
        <source>GETTING HELP</source>
        <translation>OBTENER AYUDA</translation>
    </message>
    <message>
        <source>There are two ways to open this document: choose Contents in the Help menu, or press F1 in the game window. Click an entry of the index to go to its topic; the Using Help menu lists the keys that move through the document.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Hay dos formas de abrir este documento: elija Contenido en el menú Ayuda o pulse F1 en la ventana de juego. Haga clic en una entrada del índice para ir a su tema; el menú Uso de la ayuda muestra las teclas para moverse por el documento.</translation>
    </message>
    <message>
        <source>USING THE FILE MENU</source>
        <translation>USO DEL MENÚ ARCHIVO</translation>
    </message>
    <message>
        <source>STARTING A NEW GAME</source>
        <translation>EMPEZAR UNA NUEVA PARTIDA</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>PUZLE</translation>
    </message>
    <message>
        <source>SLIDER</source>
        <translation>DESLIZANTE</translation>
    </message>
    <message>
        <source>LOADING A GAME</source>
        <translation>CARGAR UNA PARTIDA</translation>
    </message>
    <message>
        <source>SAVING CURRENT GAME</source>
        <translation>GUARDAR LA PARTIDA ACTUAL</translation>
    </message>
    <message>
        <source>GETTING A NEW PICTURE</source>
        <translation>ABRIR UNA IMAGEN NUEVA</translation>
    </message>
    <message>
        <source>QUITTING QUILTRA</source>
        <translation>SALIR DE QUILTRA</translation>
    </message>
    <message>
        <source>New Game shuffles the pieces and keeps the puzzle size: New Game &gt; Puzzle (F5) starts a Puzzle game, New Game &gt; Slider (F6) a Slider game. A click on the whole picture starts a game in the current mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Nueva partida mezcla las piezas y mantiene el tamaño del puzle: Nueva partida &gt; Puzle (F5) empieza una partida Puzle, Nueva partida &gt; Deslizante (F6) una partida Deslizante. Un clic en la imagen entera empieza una partida en el modo actual.</translation>
    </message>
    <message>
        <source>Click a piece to select it, then click the piece it should change places with: the two swap, and the swap counts as one move. Go on until every piece is in its place; the clock stops when the picture is complete.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Haga clic en una pieza para seleccionarla y luego en la pieza con la que debe cambiar de sitio: las dos se intercambian, y el intercambio cuenta como un movimiento. Siga hasta que cada pieza esté en su sitio; el reloj se para cuando la imagen está completa.</translation>
    </message>
    <message>
        <source>One corner piece is taken away, leaving an empty space. Only a piece directly above, below, left or right of the empty space can move: click the piece, then click the empty space, and the piece slides into it. Every slide counts as one move.

You can also slide with the arrow keys: an arrow moves the piece beside the empty space in the arrow&apos;s direction, so Left slides the piece on the right of the empty space to the left.

Shuffling a Slider game takes longer than dealing a Puzzle game, because the pieces are shuffled by legal slides only, so that every game can be solved.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Se quita una pieza de una esquina y queda un hueco. Solo se mueve una pieza justo encima, debajo, a la izquierda o a la derecha del hueco: haga clic en la pieza y luego en el hueco, y la pieza se desliza a él. Cada deslizamiento cuenta como un movimiento.

También puede deslizar con las flechas: una flecha mueve la pieza junto al hueco en su dirección; así, Izquierda mueve a la izquierda la pieza a la derecha del hueco.

Mezclar una partida Deslizante tarda más que repartir una Puzle, porque solo se mezcla con deslizamientos válidos, para que toda partida tenga solución.</translation>
    </message>
    <message>
        <source>Load (F7) brings back the last saved game as it was when you saved it. Loading fails with a message when there is no saved game, or when the saved game&apos;s picture has been moved or removed since.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Cargar (F7) recupera la última partida guardada tal como estaba al guardarla. La carga falla con un mensaje si no hay partida guardada o si la imagen de la partida guardada se ha movido o eliminado desde entonces.</translation>
    </message>
    <message>
        <source>Save (F8) keeps the game in play, once it has begun. Only one game is kept: saving replaces the game saved before.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Guardar (F8) conserva la partida en curso, una vez empezada. Solo se conserva una partida: al guardar se sustituye la guardada antes.</translation>
    </message>
    <message>
        <source>Open (F9) leads to the Open File window, where you can choose any bitmap, GIF or JPEG file. Your favourite pictures are on the Picture menu (see Using The Picture List).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Abrir (F9) lleva a la ventana Abrir imagen, donde puede elegir cualquier archivo de mapa de bits, GIF o JPEG. Sus imágenes favoritas están en el menú Imagen (vea Uso de la lista de imágenes).</translation>
    </message>
    <message>
        <source>Exit (Ctrl+X) ends Quiltra after asking whether you are sure.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Salir (Ctrl+X) cierra Quiltra tras preguntar si está seguro.</translation>
    </message>
    <message>
        <source>CHANGING VIEWS</source>
        <translation>CAMBIAR DE VISTA</translation>
    </message>
    <message>
        <source>The first item of the View menu (F4) switches between the puzzle and the whole picture, so that you can look at the original and go back to your game. It names the view it leads to: Original while the puzzle is shown, Puzzle while the whole picture is shown.

Picture Viewer shows the current picture on its own, at its natural size, in place of the game window (see Picture Viewer Window).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>El primer elemento del menú Ver (F4) alterna entre el puzle y la imagen entera, para que pueda mirar el original y volver a la partida. Lleva el nombre de la vista a la que cambia: Original mientras se ve el puzle, Puzle mientras se ve la imagen entera.

Visor de imágenes muestra la imagen actual sola, a su tamaño natural, en lugar de la ventana de juego (vea Ventana del visor de imágenes).</translation>
    </message>
    <message>
        <source>USING THE PICTURE LIST</source>
        <translation>USO DE LA LISTA DE IMÁGENES</translation>
    </message>
    <message>
        <source>ADDING TO THE LIST</source>
        <translation>AÑADIR A LA LISTA</translation>
    </message>
    <message>
        <source>EDITING THE LIST</source>
        <translation>EDITAR LA LISTA</translation>
    </message>
    <message>
        <source>SELECTING  PICTURE FROM  LIST</source>
        <translation>ELEGIR UNA  IMAGEN DE LA  LISTA</translation>
    </message>
    <message>
        <source>The Picture menu holds your list of favourite pictures below the picture in play.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>El menú Imagen contiene su lista de imágenes favoritas, debajo de la imagen en juego.</translation>
    </message>
    <message>
        <source>Add puts the picture in play at the bottom of the list, unless it is already there. The list holds at most 22 pictures: when it is full, Add does nothing, and you must remove a picture with Edit List before you can add another. The list is saved when you leave Quiltra.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Añadir pone la imagen en juego al final de la lista, salvo que ya esté en ella. La lista admite como mucho 22 imágenes: si está llena, Añadir no hace nada y debe quitar una imagen con Editar lista antes de añadir otra. La lista se guarda al salir de Quiltra.</translation>
    </message>
    <message>
        <source>Edit List opens the Picture List Editor in place of the game window, where you can add, remove and reorder pictures (see Picture List Editor).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Editar lista abre el Editor de la lista de imágenes en lugar de la ventana de juego; en él puede añadir, quitar y reordenar imágenes (vea Editor de la lista de imágenes).</translation>
    </message>
    <message>
        <source>Choose a picture from the list at the bottom of the Picture menu to open it. The game in play ends and the new picture is shown whole.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Elija una imagen de la lista al final del menú Imagen para abrirla. La partida en juego termina y la nueva imagen se muestra entera.</translation>
    </message>
    <message>
        <source>CHANGING THE PUZZLE SIZE</source>
        <translation>CAMBIAR EL TAMAÑO DEL PUZLE</translation>
    </message>
    <message>
        <source>The Size menu shows the current size at its top, such as 4x3=12 (4 columns by 3 rows, 12 pieces), and below it the sizes this picture offers. The sizes depend on the picture&apos;s dimensions and on the size of the game area. Choosing another size ends the current game and cuts the picture again; click the picture to play at the new size.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>El menú Tamaño muestra arriba el tamaño actual, como 4x3=12 (4 columnas por 3 filas, 12 piezas), y debajo los tamaños que ofrece esta imagen. Los tamaños dependen de las dimensiones de la imagen y del tamaño del área de juego. Elegir otro tamaño termina la partida actual y vuelve a cortar la imagen; haga clic en la imagen para jugar con el nuevo tamaño.</translation>
    </message>
    <message>
        <source>USING THE PREFERENCES MENU</source>
        <translation>USO DEL MENÚ PREFERENCIAS</translation>
    </message>
    <message>
        <source>CHANGING THE COLORS</source>
        <translation>CAMBIAR LOS COLORES</translation>
    </message>
    <message>
        <source>ENABLING/DISABLING SOUND</source>
        <translation>ACTIVAR/DESACTIVAR EL SONIDO</translation>
    </message>
    <message>
        <source>RESIZING THE GAME AREA</source>
        <translation>TAMAÑO DEL ÁREA DE JUEGO</translation>
    </message>
    <message>
        <source>SAVING PREFERENCES</source>
        <translation>GUARDAR LAS PREFERENCIAS</translation>
    </message>
    <message>
        <source>Color offers three colours: Background, the colour behind the picture and the pieces; Selection, the frame around a selected piece; and Hint, the frames that mark misplaced pieces. Each opens a colour window: pick a colour and press OK to use it, or press Cancel to keep the colour you had.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Color ofrece tres colores: Fondo, el color detrás de la imagen y las piezas; Selección, el marco de la pieza seleccionada; y Pista, los marcos que señalan las piezas mal colocadas. Cada uno abre una ventana de color: elija un color y pulse Aceptar para usarlo, o pulse Cancelar para conservar el que tenía.</translation>
    </message>
    <message>
        <source>Sound Effects switches every sound on or off. Below it, Intro, Move and End switch the three effects one by one: the sound at start-up, the sound of each move and the sound of a finished puzzle. They can be changed only while Sound Effects is on.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Efectos de sonido activa o desactiva todos los sonidos. Debajo, Introducción, Movimiento y Final activan los tres efectos uno a uno: el sonido al arrancar, el de cada movimiento y el de un puzle terminado. Solo se pueden cambiar mientras Efectos de sonido está activado.</translation>
    </message>
    <message>
        <source>Screen Size lists six window sizes, from 480 by 600 to 1280 by 1024; the game area and the picture follow the window. You can also hold down the + key to make the window larger or the - key to make it smaller (as Manual: - + reminds you): the window changes when you release the key, and it never gets lower than its smallest height.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Tamaño de pantalla ofrece seis tamaños de ventana, de 480 por 600 a 1280 por 1024; el área de juego y la imagen siguen a la ventana. También puede mantener pulsada la tecla + para agrandar la ventana o la tecla - para reducirla (como recuerda Manual: - +): la ventana cambia al soltar la tecla, y nunca queda más baja que su altura mínima.</translation>
    </message>
    <message>
        <source>Save On Exit, when checked, keeps your colours and sound switches for the next time you play Quiltra. The window&apos;s size and place and the picture list are kept in any case.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Guardar al salir, si está marcado, conserva sus colores y ajustes de sonido para la próxima vez que juegue a Quiltra. El tamaño y la posición de la ventana y la lista de imágenes se conservan siempre.</translation>
    </message>
    <message>
        <source>USING THE HELP MENU</source>
        <translation>USO DEL MENÚ AYUDA</translation>
    </message>
    <message>
        <source>About shows the version of Quiltra. Contents (F1) opens this document. Hint (F2) marks the pieces that are not in their places. In Puzzle mode a second Hint, with no move in between, puts a piece in its place: the selected piece, or else the first misplaced one. In Slider mode hints only mark the misplaced pieces. The last two items show the rules of Puzzle and of Slider mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Acerca de muestra la versión de Quiltra. Contenido (F1) abre este documento. Pista (F2) señala las piezas que no están en su sitio. En el modo Puzle, una segunda Pista sin ningún movimiento entre medias coloca una pieza en su sitio: la seleccionada o, si no, la primera mal colocada. En el modo Deslizante las pistas solo señalan las piezas mal colocadas. Los dos últimos elementos muestran las reglas de los modos Puzle y Deslizante.</translation>
    </message>
    <message>
        <source>OPEN FILE WINDOW</source>
        <translation>VENTANA ABRIR IMAGEN</translation>
    </message>
    <message>
        <source>VIEWING A PICTURE</source>
        <translation>VER UNA IMAGEN</translation>
    </message>
    <message>
        <source>Open in the File menu (F9) opens the Open File window in place of the game window. Use the Drives and Directories boxes to find the folder that holds your picture; the Files box lists the pictures in it, and File Types chooses which kinds are listed. Open a picture by double-clicking it in the Files box, or select it and press Open. Cancel returns to the game without a new picture. A file that is not a picture, or a picture too small for a puzzle, is refused with a message. Once a picture is open, Add in the Picture menu puts it on your list.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Abrir en el menú Archivo (F9) abre la ventana Abrir imagen en lugar de la ventana de juego. Use los cuadros Discos y Carpetas para buscar la carpeta de su imagen; el cuadro Archivos lista las imágenes que contiene, y Formatos elige qué tipos se listan. Abra una imagen con doble clic en el cuadro Archivos, o selecciónela y pulse Abrir. Cancelar vuelve a la partida sin imagen nueva. Un archivo que no es una imagen, o una imagen demasiado pequeña para un puzle, se rechaza con un mensaje. Con una imagen abierta, Añadir en el menú Imagen la pone en su lista.</translation>
    </message>
    <message>
        <source>With View checked, the selected file is shown beside the list. Click the preview to see the picture at full size in the Picture Viewer.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Con Ver marcado, el archivo seleccionado se muestra junto a la lista. Haga clic en la vista previa para ver la imagen a tamaño completo en el Visor de imágenes.</translation>
    </message>
    <message>
        <source>PICTURE LIST EDITOR</source>
        <translation>EDITOR DE LA LISTA DE IMÁGENES</translation>
    </message>
    <message>
        <source>ADDING/REMOVING PICTURES</source>
        <translation>AÑADIR/QUITAR IMÁGENES</translation>
    </message>
    <message>
        <source>Edit List in the Picture menu opens the Picture List Editor. OK keeps your changes and saves the list; Cancel leaves the list as it was.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Editar lista, en el menú Imagen, abre el Editor de la lista de imágenes. Aceptar conserva los cambios y guarda la lista; Cancelar deja la lista como estaba.</translation>
    </message>
    <message>
        <source>To add pictures, find their folder with the Drives and Directories boxes, select one or more files in the Files box and press Add, or double-click a file. The pictures are checked first: a file that is not a valid picture, or a picture too small for a puzzle, is refused with a message, and a picture already on the list is not added again. The list holds at most 22 pictures.

To remove pictures, select them in the Picture List and press Remove, double-click one, or press Delete. To move a picture to another place in the list, drag it there with the mouse.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Para añadir imágenes, busque su carpeta con los cuadros Discos y Carpetas, seleccione uno o más archivos en el cuadro Archivos y pulse Añadir, o haga doble clic en un archivo. Primero se comprueban las imágenes: un archivo que no es una imagen válida, o una imagen demasiado pequeña para un puzle, se rechaza con un mensaje, y una imagen que ya está en la lista no se añade otra vez. La lista admite como mucho 22 imágenes.

Para quitar imágenes, selecciónelas en la lista de imágenes y pulse Quitar, haga doble clic en una o pulse Supr. Para mover una imagen a otro lugar de la lista, arrástrela con el ratón.</translation>
    </message>
    <message>
        <source>With View checked, the picture selected in either list is shown as a preview. Click the preview to see the picture at full size in the Picture Viewer; Exit there brings you back to the editor.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Con Ver marcado, la imagen seleccionada en cualquiera de las listas se muestra como vista previa. Haga clic en la vista previa para ver la imagen a tamaño completo en el Visor de imágenes; allí, Salir le devuelve al editor.</translation>
    </message>
    <message>
        <source>PICTURE VIEWER WINDOW</source>
        <translation>VENTANA DEL VISOR DE IMÁGENES</translation>
    </message>
    <message>
        <source>RESIZING THE PICTURE</source>
        <translation>CAMBIAR EL TAMAÑO DE LA IMAGEN</translation>
    </message>
    <message>
        <source>The Picture Viewer shows a picture on its own, first at its natural size. The Size caption beside the View menu gives the size in twips, 15 to a screen pixel: a picture of 640 by 480 pixels reads Size : 9600x7200. Click a part of a large picture to bring it to the middle. Exit returns to the window you came from.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>El Visor de imágenes muestra una imagen sola, primero a su tamaño natural. El rótulo Tamaño junto al menú Ver da el tamaño en twips, 15 por píxel: una imagen de 640 por 480 píxeles muestra Tamaño: 9600x7200. Haga clic en una parte de una imagen grande para centrarla. Salir vuelve a la ventana de origen.</translation>
    </message>
    <message>
        <source>Original Size (F5) returns the picture to its natural size. Fit to screen (F6) fits the whole picture into the window, which also enlarges a small picture; the Size caption keeps showing the natural size.

Zoom (F7) shows the Zoom panel: hold the mouse button down on In (+) or Out (-) to make the picture larger or smaller, and click OK to hide the panel. You can also hold down the + or - key. While you zoom, the Size caption follows at once; the picture is redrawn at the new size when you release the button or the key. A picture grows to at most 30000 twips and shrinks to no less than 1000.

Help in the viewer opens this document at this section.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Tamaño original (F5) devuelve la imagen a su tamaño natural. Ajustar a la pantalla (F6) encaja la imagen entera en la ventana, lo que también amplía una imagen pequeña; el rótulo Tamaño sigue mostrando el tamaño natural.

Zoom (F7) muestra el panel Zoom: mantenga pulsado el botón del ratón sobre Más (+) o Menos (-) para agrandar o reducir la imagen, y haga clic en Aceptar para ocultar el panel. También puede mantener pulsada la tecla + o -. Durante el zoom, el rótulo Tamaño cambia al instante; la imagen se redibuja con el nuevo tamaño al soltar el botón o la tecla. Una imagen crece hasta 30000 twips como mucho y se reduce hasta 1000 como poco.

Ayuda, en el visor, abre este documento en esta sección.</translation>
    </message>
    <message>
        <source>UNDO, KEYS AND BEST TIMES</source>
        <translation>DESHACER, TECLAS Y RÉCORDS</translation>
    </message>
    <message>
        <source>PNG, WebP and TIFF pictures play too. A click or any key skips the intro; the window can be resized and maximised, and + and = both enlarge it.

Undo (Ctrl+Z) in the File menu takes back the last swap, slide or Hint placement; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again; Restart (Ctrl+R) deals the same game again. In Puzzle mode the arrows move a dashed cursor and Space or Return clicks under it.

A menu key such as F4 does not resume a paused clock. Keyboard Shortcuts (Ctrl+?) in the Help menu lists every key; Best Times in the File menu, the ten best results.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>También se juega con imágenes PNG, WebP y TIFF. Un clic o una tecla salta la introducción; la ventana se puede redimensionar y maximizar, y + o = la agrandan.

Deshacer (Ctrl+Z), menú Archivo, deshace el último movimiento; Rehacer (Ctrl+Mayús+Z, Ctrl+Y) lo rehace; Reiniciar (Ctrl+R) repite la misma partida. En el modo puzle las flechas mueven un cursor, y Espacio o Intro hacen clic.

F4 y las demás teclas de menú no reanudan un reloj en pausa. Atajos de teclado (Ctrl+?), menú Ayuda, lista las teclas; Mejores tiempos, menú Archivo, los mejores resultados.</translation>
    </message>
    <message>
        <source>NEXT MOVE AND SOLVE</source>
        <translation>SIGUIENTE MOVIMIENTO Y RESOLVER</translation>
    </message>
    <message>
        <source>Next Move (F3) in the Help menu makes one move for you; Solve (Shift+F3) plays the rest until a key or a click stops it. Both count as hints, and a game Solve played in gets no best time.</source>
        <extracomment>A box of fixed height: keep about the English length.</extracomment>
        <translation>Siguiente movimiento (F3) en el menú Ayuda hace un movimiento por ti; Resolver (Mayús+F3) juega el resto hasta que una tecla o un clic lo detiene. Ambos cuentan como pistas, y una partida en la que jugó Resolver no tiene mejor tiempo.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quiltra -  Help</source>
        <translation>Quiltra -  Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Using Help</source>
        <translation>Uso de la ayuda</translation>
    </message>
    <message>
        <source>Click on one of the index topics to move to that topic.</source>
        <translation>Haga clic en uno de los temas del índice para ir a ese tema.</translation>
    </message>
    <message>
        <source>Use the up/down arrow keys to scroll up or down.</source>
        <translation>Use las flechas arriba/abajo para desplazarse hacia arriba o hacia abajo.</translation>
    </message>
    <message>
        <source>Use the Pg Up/Pg Dn keys to move up or down a page at a time.</source>
        <translation>Use las teclas Re Pág/Av Pág para subir o bajar una página cada vez.</translation>
    </message>
    <message>
        <source>Use the HOME/END keys to move to the start/end of the help document.</source>
        <translation>Use las teclas INICIO/FIN para ir al principio o al final del documento de ayuda.</translation>
    </message>
    <message>
        <source>Quiltra Help</source>
        <translation>Ayuda de Quiltra</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <extracomment>In File &gt; New Game and in Help (the rules): its mnemonic must be free in both menus.</extracomment>
        <translation>&amp;Puzle</translation>
    </message>
    <message>
        <source>&amp;Slider</source>
        <translation>&amp;Deslizante</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>&amp;Mejores tiempos...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <extracomment>The View command names the view it switches to: the puzzle.</extracomment>
        <translation>Puzle</translation>
    </message>
    <message>
        <source>Picture &amp;Viewer</source>
        <translation>&amp;Visor de imágenes</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Editar lista</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>&amp;Selección</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>In Preferences &gt; Color (the hint&apos;s colour) and in Help (ask for a hint): its mnemonic must be free in both menus.</extracomment>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Efectos de sonido</translation>
    </message>
    <message>
        <source>&amp;Intro</source>
        <translation>&amp;Introducción</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Final</translation>
    </message>
    <message>
        <source>&amp;Screen Size</source>
        <translation>&amp;Tamaño de pantalla</translation>
    </message>
    <message>
        <source>Manual: - +</source>
        <extracomment>A reminder (choosing it does nothing) that the + and - keys make the window larger and smaller; the Help document quotes it.</extracomment>
        <translation>Manual: - +</translation>
    </message>
    <message>
        <source>S&amp;ave On Exit</source>
        <translation>&amp;Guardar al salir</translation>
    </message>
    <message>
        <source>480 by 600</source>
        <translation>480 por 600</translation>
    </message>
    <message>
        <source>720 by 600</source>
        <translation>720 por 600</translation>
    </message>
    <message>
        <source>800 by 600</source>
        <translation>800 por 600</translation>
    </message>
    <message>
        <source>1024 by 768</source>
        <translation>1024 por 768</translation>
    </message>
    <message>
        <source>1152 by 864</source>
        <translation>1152 por 864</translation>
    </message>
    <message>
        <source>1280 by 1024</source>
        <translation>1280 por 1024</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Slidder</source>
        <translation>&amp;Deslizante</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>The View command names the view it switches to: the original picture.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Rest&amp;art</source>
        <translation>R&amp;einiciar</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>A&amp;tajos de teclado</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <extracomment>In Help: makes one move toward the finished picture.</extracomment>
        <translation>&amp;Siguiente movimiento</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <extracomment>In Help: plays the moves that finish the picture; chosen again, it stops them.</extracomment>
        <translation>&amp;Resolver</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>No se pueden leer los datos de la imagen</translation>
    </message>
    <message>
        <source>The picture is too large to open (%1 x %2 pixels)</source>
        <translation>La imagen es demasiado grande para abrirla (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>Not enough memory to open the picture</source>
        <translation>No hay memoria suficiente para abrir la imagen</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The picture file is incomplete: it ends before all of its picture data</source>
        <translation>El archivo de imagen está incompleto: termina antes de todos sus datos de imagen</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>The file is empty and holds no picture</source>
        <translation>El archivo está vacío y no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Dispositivo no disponible</translation>
    </message>
    <message>
        <source>Picture is too small to divide into a puzzle.</source>
        <translation>La imagen es demasiado pequeña para dividirla en un puzle.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All graphic files</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>Bitmap: *.bmp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>Mapa de bits: *.bmp</translation>
    </message>
    <message>
        <source>GIF: *.gif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>GIF: *.gif</translation>
    </message>
    <message>
        <source>JPEG: *.jpg</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>JPEG: *.jpg</translation>
    </message>
    <message>
        <source>PNG: *.png</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>PNG: *.png</translation>
    </message>
    <message>
        <source>WebP: *.webp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>WebP: *.webp</translation>
    </message>
    <message>
        <source>TIFF: *.tif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>TIFF: *.tif</translation>
    </message>
    <message>
        <source>Quiltra - Open Picture</source>
        <translation>Quiltra - Abrir imagen</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <extracomment>The window&apos;s caption while the picture %1 (its file name) loads.</extracomment>
        <translation>Cargando %1</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to open. To open a file from the Files box double click on the file or select the file and then press the Open button.</source>
        <translation>Use los cuadros Discos y Carpetas para buscar la carpeta que contiene la imagen que quiere abrir. Para abrir un archivo del cuadro Archivos, haga doble clic en él o selecciónelo y pulse el botón Abrir.</translation>
    </message>
    <message>
        <source>Once opened you can add the picture to the Picture List by using the Add option in the Pictures menu.</source>
        <translation>Una vez abierta, puede añadir la imagen a la lista de imágenes con la opción Añadir del menú Imagen.</translation>
    </message>
    <message>
        <source>Open a picture.</source>
        <translation>Abra una imagen.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Discos:</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Carpetas:</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>PictureListEditor</name>
    <message>
        <source>Quiltra - Picture List Editor</source>
        <translation>Quiltra - Editor de la lista de imágenes</translation>
    </message>
    <message>
        <source>Add or remove pictures from the Picture List</source>
        <translation>Añada o quite imágenes de la lista de imágenes</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Discos:</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Carpetas:</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to add. The files are list in the Files box.  </source>
        <extracomment>The two blanks at the end belong to the text.</extracomment>
        <translation>Use los cuadros Discos y Carpetas para buscar la carpeta que contiene la imagen que quiere añadir. Los archivos aparecen en el cuadro Archivos.  </translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Añadir -&gt;</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Quitar</translation>
    </message>
    <message>
        <source>Picture List:</source>
        <translation>En la lista:</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added to the Picture List: its name or folder contains a double quote or a line break.</source>
        <extracomment>%1 is a file name, shown in the double quotes around it.</extracomment>
        <translation>No se puede añadir &quot;%1&quot; a la lista de imágenes: su nombre o su carpeta contiene comillas dobles o un salto de línea.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Archivo no válido</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Quiltra - Picture Viewer:  Press Exit to return to previous screen.</source>
        <extracomment>The two blanks after the colon belong to the title.</extracomment>
        <translation>Quiltra - Visor de imágenes:  Pulse Salir para volver a la pantalla anterior.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Original Size </source>
        <extracomment>The blank at the end belongs to the caption.</extracomment>
        <translation>Tamaño &amp;original </translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>&amp;Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Size: size</source>
        <translation>Tamaño: tamaño</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>In (+)</source>
        <translation>Más (+)</translation>
    </message>
    <message>
        <source>Out (-)</source>
        <translation>Menos (-)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Natural size %1 x %2 pixels, shown from a copy of %3 x %4 pixels to save memory</source>
        <translation>Tamaño natural %1 x %2 píxeles, mostrado a partir de una copia de %3 x %4 píxeles para ahorrar memoria</translation>
    </message>
    <message>
        <source>Size : %1x%2</source>
        <extracomment>%1 and %2 are the width and height in twips.</extracomment>
        <translation>Tamaño: %1x%2</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Quiltra - Keyboard Shortcuts</source>
        <translation>Quiltra - Atajos de teclado</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game window</source>
        <translation>Ventana de juego</translation>
    </message>
    <message>
        <source>F5 / F6</source>
        <translation>F5 / F6</translation>
    </message>
    <message>
        <source>a new Puzzle / Slider game (File › New Game)</source>
        <translation>una nueva partida de puzle / deslizante (Archivo › Nueva partida)</translation>
    </message>
    <message>
        <source>F7 / F8</source>
        <translation>F7 / F8</translation>
    </message>
    <message>
        <source>load / save the game (File › Load, File › Save)</source>
        <translation>cargar / guardar la partida (Archivo › Cargar, Archivo › Guardar)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>File › Open: the Open Picture window</source>
        <translation>Archivo › Abrir: la ventana Abrir imagen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>File › Restart: the same deal again, from its first arrangement</source>
        <translation>Archivo › Reiniciar: la misma partida otra vez, desde su disposición inicial</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>File › Undo: takes back the last swap, slide or piece placed by Hint, back to the deal</source>
        <translation>Archivo › Deshacer: deshace el último intercambio, deslizamiento o pieza colocada por Pista, hasta el reparto</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Mayús+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>File › Redo: makes an undone move again</source>
        <translation>Archivo › Rehacer: vuelve a hacer un movimiento deshecho</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>quit (File › Exit)</source>
        <translation>salir (Archivo › Salir)</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>switch between the puzzle and the whole picture (View)</source>
        <translation>cambiar entre el puzle y la imagen entera (Ver)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help › Contents (the clock pauses)</source>
        <translation>Ayuda › Contenido (el reloj se detiene)</translation>
    </message>
    <message>
        <source>Ctrl+?</source>
        <translation>Ctrl+?</translation>
    </message>
    <message>
        <source>Help › Keyboard Shortcuts: this list of keys</source>
        <translation>Ayuda › Atajos de teclado: esta lista de teclas</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Help › Hint</source>
        <translation>Ayuda › Pista</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>pause the clock; P again, an arrow, Space, Return or a letter resumes it (a menu key such as F4 does not, nor + or −)</source>
        <translation>pausar el reloj; P otra vez, una flecha, Espacio, Intro o una letra lo reanuda (una tecla de menú como F4 no, ni + o −)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Puzzle: move the keyboard cursor, a dashed black and white frame; the first arrow shows it</source>
        <translation>Puzle: mover el cursor del teclado, un marco discontinuo en blanco y negro; la primera flecha lo muestra</translation>
    </message>
    <message>
        <source>Slider: slide the neighbour of the empty cell into it (Left moves the piece right of the empty cell leftwards)</source>
        <translation>Deslizante: deslizar la vecina de la casilla vacía a ella (Izquierda mueve hacia la izquierda la pieza a la derecha de la casilla vacía)</translation>
    </message>
    <message>
        <source>Space, Return</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>act as a click on the piece under the cursor (in Slider mode too)</source>
        <translation>actúan como un clic en la pieza bajo el cursor (también en el deslizante)</translation>
    </message>
    <message>
        <source>+ or =, − (hold)</source>
        <translation>+ o =, − (mantener)</translation>
    </message>
    <message>
        <source>make the window larger / smaller; the longer the key is held, the larger the step, taken when it is released</source>
        <translation>agrandar / reducir la ventana; cuanto más se mantiene la tecla, mayor es el paso, que se aplica al soltarla</translation>
    </message>
    <message>
        <source>Click, any key</source>
        <translation>Clic, cualquier tecla</translation>
    </message>
    <message>
        <source>during the intro: skip it</source>
        <translation>durante la introducción: saltarla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Page Up / Page Down, ↑ / ↓, Home / End, wheel</source>
        <translation>Re Pág / Av Pág, ↑ / ↓, Inicio / Fin, rueda</translation>
    </message>
    <message>
        <source>scroll the help text</source>
        <translation>desplazar el texto de la ayuda</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>close the window, as Exit does</source>
        <translation>cerrar la ventana, como Salir</translation>
    </message>
    <message>
        <source>Picture Viewer</source>
        <translation>Visor de imágenes</translation>
    </message>
    <message>
        <source>F5 / F6 / F7</source>
        <translation>F5 / F6 / F7</translation>
    </message>
    <message>
        <source>Original Size / Fit to screen / the Zoom panel</source>
        <translation>Tamaño original / Ajustar a la pantalla / el panel Zoom</translation>
    </message>
    <message>
        <source>zoom in / out, step by step while the key is held</source>
        <translation>acercar / alejar, paso a paso mientras se mantiene la tecla</translation>
    </message>
    <message>
        <source>Wheel, Shift+wheel</source>
        <translation>Rueda, Mayús+rueda</translation>
    </message>
    <message>
        <source>scroll a picture larger than the window up and down, sideways</source>
        <translation>desplazar una imagen mayor que la ventana arriba y abajo, de lado</translation>
    </message>
    <message>
        <source>Ctrl+wheel</source>
        <translation>Ctrl+rueda</translation>
    </message>
    <message>
        <source>zoom one step for each notch of the wheel</source>
        <translation>un paso de zoom por cada muesca de la rueda</translation>
    </message>
    <message>
        <source>About, Open Picture, Picture List Editor, Best Times, Keyboard Shortcuts</source>
        <translation>Acerca de, Abrir imagen, Editor de la lista de imágenes, Mejores tiempos, Atajos de teclado</translation>
    </message>
    <message>
        <source>close the window, as its Okay, Cancel or Close does</source>
        <translation>cerrar la ventana, como Aceptar, Cancelar o Cerrar</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Help › Next Move: one move toward the finished picture, counted as a move and a hint</source>
        <translation>Ayuda › Siguiente movimiento: un movimiento hacia la imagen terminada, contado como movimiento y como pista</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Mayús+F3</translation>
    </message>
    <message>
        <source>Help › Solve: plays the rest of the solution; any key, click or Shift+F3 stops it</source>
        <translation>Ayuda › Resolver: juega el resto de la solución; cualquier tecla, clic o Mayús+F3 lo detiene</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings could not be saved to &quot;init.txt&quot;: %1. The previous settings file is unchanged.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;init.txt&quot; is a file name.</extracomment>
        <translation>No se ha podido guardar la configuración en &quot;init.txt&quot;: %1. El archivo de configuración anterior no ha cambiado.</translation>
    </message>
    <message>
        <source>the file could not be read when Quiltra started (%1)</source>
        <extracomment>Completes &quot;The settings could not be saved to &quot;init.txt&quot;: %1.&quot;; %1 is the system&apos;s description of the failure.</extracomment>
        <translation>el archivo no se pudo leer al iniciar Quiltra (%1)</translation>
    </message>
</context>
</TS>
