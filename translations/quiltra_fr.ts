<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Unauthorised reproduction or distribution of this program, or of any part of it, is unlawful and may be prosecuted.</source>
        <extracomment>Fills a box of fixed size beside the &quot;Warning&quot; title: keep about the English length.</extracomment>
        <translation>Toute reproduction ou diffusion non autorisée de ce programme, en tout ou en partie, est illégale et passible de poursuites.</translation>
    </message>
    <message>
        <source>Program by the Quiltra developers.
Pictures by NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek and Risto Saukonpää; see CREDITS.md.</source>
        <extracomment>A box of fixed size in small print: keep about the English length and every name as it is.</extracomment>
        <translation>Programme des développeurs de Quiltra.
Images : NASA, Stefan van der Walt, Rachel Michetti, SpaceX, Clemens Engelhardt, Aitzol Berasategi, Trevor &quot;Freespace&quot;, Jakkub Mede, &quot;Bolly&quot;, Lukas Baubkus, Ian Hex, Dmitri Popov, Martin Klapetek et Risto Saukonpää ; voir CREDITS.md.</translation>
    </message>
    <message>
        <source>This program is provided &quot;as is&quot;, without warranty of any kind, express or implied. In no event shall the author be liable for any damages whatsoever arising out of the use of this program or the inability to use it.

You may install and use one copy of this program on one computer at a time. You may not sell, rent, lease or distribute copies of the program, in whole or in part, or change it without the author&apos;s written permission.</source>
        <translation>Ce programme est fourni « tel quel », sans garantie d&apos;aucune sorte, expresse ou implicite. En aucun cas l&apos;auteur ne pourra être tenu responsable de dommages, quels qu&apos;ils soient, découlant de l&apos;utilisation de ce programme ou de l&apos;impossibilité de l&apos;utiliser.

Vous pouvez installer et utiliser une copie de ce programme sur un seul ordinateur à la fois. Vous ne pouvez ni vendre, ni louer, ni distribuer des copies du programme, en tout ou en partie, ni le modifier sans l&apos;autorisation écrite de l&apos;auteur.</translation>
    </message>
    <message>
        <source>About Quiltra</source>
        <translation>À propos de Quiltra</translation>
    </message>
    <message>
        <source>Version 1.3, requires Windows 95</source>
        <extracomment>One line, left of the divider in the middle of the window.</extracomment>
        <translation>Version 1.3, pour Windows 95</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Okay</source>
        <extracomment>A small button.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <extracomment>A button about twice as wide as &quot;Okay&quot;.</extracomment>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Quiltra License Agreement</source>
        <translation>Contrat de licence de Quiltra</translation>
    </message>
</context>
<context>
    <name>BestTimes</name>
    <message>
        <source>Quiltra - Best Times</source>
        <translation>Quiltra - Meilleurs temps</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>No best times yet: each solved game is listed here.</source>
        <translation>Aucun meilleur temps pour l&apos;instant : chaque partie résolue sera inscrite ici.</translation>
    </message>
    <message>
        <source>&amp;Clear All...</source>
        <translation>&amp;Tout effacer...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Clear all best times? They cannot be brought back.</source>
        <translation>Effacer tous les meilleurs temps ? Ils ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>The best times could not be cleared in &quot;times.txt&quot;: %1.</source>
        <translation>Impossible d&apos;effacer les meilleurs temps dans « times.txt » : %1.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>New best time</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>The best times could not be saved: %1. They are kept until Quiltra is closed.</source>
        <translation>Impossible d&apos;enregistrer les meilleurs temps : %1. Ils sont conservés jusqu&apos;à la fermeture de Quiltra.</translation>
    </message>
    <message>
        <source>The best times could not be read, so this result was not saved: %1. &quot;times.txt&quot; is left as it is, and the result is kept until Quiltra is closed.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;times.txt&quot; is a file name.</extracomment>
        <translation>Impossible de lire les meilleurs temps, ce résultat n&apos;a donc pas été enregistré : %1. « times.txt » est laissé tel quel, et le résultat est conservé jusqu&apos;à la fermeture de Quiltra.</translation>
    </message>
    <message>
        <source>another Quiltra is using the file</source>
        <translation>un autre Quiltra utilise le fichier</translation>
    </message>
    <message>
        <source>Welcome to Quiltra v1.3</source>
        <translation>Bienvenue dans Quiltra v1.3</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the program?</source>
        <translation>Voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>Solve the puzzle by switching the location of pieces unitl it resembles the original image.  To move a piece simply click on the piece and then click on the piece you want to switch it with.</source>
        <translation>Reconstituez l&apos;image d&apos;origine en échangeant les pièces de place. Pour déplacer une pièce, cliquez simplement dessus, puis cliquez sur la pièce avec laquelle vous voulez l&apos;échanger.</translation>
    </message>
    <message>
        <source>Puzzle Mode - Rules</source>
        <translation>Mode Puzzle - Règles</translation>
    </message>
    <message>
        <source>Solve the puzzle by moving the pieces until a resemblance of the original picture is formed.  A piece can only be moved onto the empty space, by clicking the piece you want moved and then clicking on the empty space.  The empty space must be directly beside the piece that is being moved.</source>
        <translation>Reconstituez l&apos;image d&apos;origine en déplaçant les pièces. Une pièce ne peut aller que sur la case vide : cliquez sur la pièce à déplacer, puis sur la case vide. La case vide doit se trouver juste à côté de la pièce déplacée.</translation>
    </message>
    <message>
        <source>Slider Mode - Rules</source>
        <translation>Mode Taquin - Règles</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>A label in the window title, followed by a blank and the value.</extracomment>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>No pictures in Picture List.</source>
        <translation>Aucune image dans la liste d&apos;images.</translation>
    </message>
    <message>
        <source>This picture cannot be added to the Picture List: its name contains a double quote or a line break.</source>
        <translation>Impossible d&apos;ajouter cette image à la liste d&apos;images : son nom contient un guillemet (&quot;) ou un saut de ligne.</translation>
    </message>
    <message>
        <source>Saved game file was not found.</source>
        <translation>Le fichier de la partie enregistrée est introuvable.</translation>
    </message>
    <message>
        <source>Picture from saved game was not found.</source>
        <translation>L&apos;image de la partie enregistrée est introuvable.</translation>
    </message>
    <message>
        <source>Error in saved game file.</source>
        <translation>Erreur dans le fichier de la partie enregistrée.</translation>
    </message>
    <message>
        <source>The game could not be saved: the picture&apos;s name or folder contains a double quote or a line break.</source>
        <translation>Impossible d&apos;enregistrer la partie : le nom ou le dossier de l&apos;image contient un guillemet (&quot;) ou un saut de ligne.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1. The previous saved game, if any, is kept.</source>
        <translation>Impossible d&apos;enregistrer la partie : %1. La partie enregistrée auparavant, s&apos;il y en a une, est conservée.</translation>
    </message>
    <message>
        <source>Randomizing puzzle</source>
        <translation>Mélange des pièces</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Coups :</translation>
    </message>
    <message>
        <source>Hints:</source>
        <translation>Indices :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>slider</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - slider: name&quot;) and the Best Times list.</extracomment>
        <translation>taquin</translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>The play mode, in lower case in the window title (&quot;Quiltra - puzzle: name&quot;) and the Best Times list.</extracomment>
        <translation>puzzle</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Stands in place of the clock (&quot; 0:00:00&quot;) in the corner of the menu bar: keep it short.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Short for &quot;Moves&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Short for &quot;Hints&quot; where the corner of the menu bar has little room: one or two letters.</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>Solved for you</source>
        <extracomment>The banner over the whole picture after a game Help &gt; Solve finished or helped finish.</extracomment>
        <translation>Résolu pour vous</translation>
    </message>
    <message>
        <source>Thinking...</source>
        <extracomment>In the menu bar&apos;s corner while the solver works out the next moves for Next Move or Solve.</extracomment>
        <translation>Réflexion...</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Quiltra Overview</source>
        <translation>Présentation de Quiltra</translation>
    </message>
    <message>
        <source>Getting Help</source>
        <translation>Obtenir de l&apos;aide</translation>
    </message>
    <message>
        <source>Using The File Menu</source>
        <translation>Le menu Fichier</translation>
    </message>
    <message>
        <source>Starting A New Game</source>
        <translation>Commencer une partie</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Getting A New Picture</source>
        <translation>Ouvrir une autre image</translation>
    </message>
    <message>
        <source>Loading A Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Saving Current Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Quitting Quiltra</source>
        <translation>Quitter Quiltra</translation>
    </message>
    <message>
        <source>Changing Views</source>
        <translation>Changer d&apos;affichage</translation>
    </message>
    <message>
        <source>Using The Picture List</source>
        <translation>La liste d&apos;images</translation>
    </message>
    <message>
        <source>Adding To The List</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Editing The List</source>
        <translation>Modifier la liste</translation>
    </message>
    <message>
        <source>Selecting Picture From List</source>
        <translation>Choisir une image de la liste</translation>
    </message>
    <message>
        <source>Changing The Puzzle Size</source>
        <translation>Changer la taille de la grille</translation>
    </message>
    <message>
        <source>Using The Preferences Menu</source>
        <translation>Le menu Préférences</translation>
    </message>
    <message>
        <source>Changing The Colors</source>
        <translation>Changer les couleurs</translation>
    </message>
    <message>
        <source>Enabling/Disabling Sound</source>
        <translation>Activer/désactiver le son</translation>
    </message>
    <message>
        <source>Resizing The Game Area</source>
        <translation>Redimensionner l&apos;aire de jeu</translation>
    </message>
    <message>
        <source>Saving Preferences</source>
        <translation>Enregistrer les préférences</translation>
    </message>
    <message>
        <source>Using The Help Menu</source>
        <translation>Le menu Aide</translation>
    </message>
    <message>
        <source>Open File Window</source>
        <translation>Fenêtre Ouvrir une image</translation>
    </message>
    <message>
        <source>Viewing A Picture</source>
        <translation>Aperçu d&apos;une image</translation>
    </message>
    <message>
        <source>Picture List Editor</source>
        <translation>Éditeur de la liste d&apos;images</translation>
    </message>
    <message>
        <source>Adding/Removing Pictures</source>
        <translation>Ajouter/retirer des images</translation>
    </message>
    <message>
        <source>Picture Viewer Window</source>
        <translation>Visionneuse d&apos;images</translation>
    </message>
    <message>
        <source>Resizing The Picture</source>
        <translation>Redimensionner l&apos;image</translation>
    </message>
    <message>
        <source>Undo, Keys And Best Times</source>
        <translation>Annuler, touches et records</translation>
    </message>
    <message>
        <source>Next Move And Solve</source>
        <translation>Coup suivant et résoudre</translation>
    </message>
    <message>
        <source>End of the help document. Press Home to return to the index.</source>
        <translation>Fin du document d&apos;aide. Appuyez sur Début pour revenir à l&apos;index.</translation>
    </message>
    <message>
        <source>QUILTRA  OVERVIEW</source>
        <translation>PRÉSENTATION  DE QUILTRA</translation>
    </message>
    <message>
        <source>Quiltra is a picture puzzle. It takes a picture, fits it into the game area, cuts it into a grid of equal rectangular pieces and shuffles them; your task is to put the picture together again.

There are two ways to play. In Puzzle mode the pieces are dealt out at random and you move them with two clicks: click a piece, then click the piece it should change places with. In Slider mode one corner piece is taken away to leave an empty space, and you slide the pieces beside the empty space into it.

Quiltra comes with 20 pictures, and you can play with your own: bitmaps, GIFs and JPEGs (files ending in bmp, gif or jpg). A picture larger than the game area is reduced to fit; a picture of 100 by 100 pixels or less is too small and cannot be used. The number of sizes on offer depends on the picture&apos;s dimensions: a large picture offers about ten in the standard window, and more in a larger one.

The game clock in the title bar pauses whenever you turn away: when the window is minimised or loses the focus, when another Quiltra window opens, or when you press P. Any key, or your next move, starts it again.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quiltra est un puzzle d&apos;images. Il prend une image, l&apos;ajuste à l&apos;aire de jeu, la découpe en une grille de pièces rectangulaires égales et les mélange ; à vous de reconstituer l&apos;image.

Il y a deux façons de jouer. En mode Puzzle, les pièces sont distribuées au hasard et se déplacent en deux clics : cliquez sur une pièce, puis sur celle avec qui elle doit changer de place. En mode Taquin, une pièce d&apos;angle est retirée pour laisser une case vide, où vous faites glisser les pièces voisines.

Quiltra est livré avec 20 images, et vous pouvez jouer avec les vôtres : bitmaps, GIF et JPEG (fichiers en bmp, gif ou jpg). Une image plus grande que l&apos;aire de jeu est réduite ; une image de 100 sur 100 pixels ou moins est trop petite et inutilisable. Le nombre de tailles proposées dépend des dimensions de l&apos;image : une grande image en offre une dizaine dans la fenêtre standard, et plus dans une fenêtre plus grande.

L&apos;horloge de la barre de titre s&apos;arrête dès que vous vous détournez : fenêtre réduite ou qui perd le focus, ouverture d&apos;une autre fenêtre de Quiltra, ou appui sur P. Une touche quelconque, ou votre coup suivant, la relance.</translation>
    </message>
    <message>
        <source>GETTING HELP</source>
        <translation>OBTENIR DE L&apos;AIDE</translation>
    </message>
    <message>
        <source>There are two ways to open this document: choose Contents in the Help menu, or press F1 in the game window. Click an entry of the index to go to its topic; the Using Help menu lists the keys that move through the document.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Deux façons d&apos;ouvrir ce document : choisissez Sommaire dans le menu Aide, ou appuyez sur F1 dans la fenêtre de jeu. Cliquez sur une entrée de l&apos;index pour aller à son sujet ; le menu Utiliser l&apos;aide indique les touches qui parcourent le document.</translation>
    </message>
    <message>
        <source>USING THE FILE MENU</source>
        <translation>LE MENU FICHIER</translation>
    </message>
    <message>
        <source>STARTING A NEW GAME</source>
        <translation>COMMENCER UNE PARTIE</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>PUZZLE</translation>
    </message>
    <message>
        <source>SLIDER</source>
        <translation>TAQUIN</translation>
    </message>
    <message>
        <source>LOADING A GAME</source>
        <translation>CHARGER UNE PARTIE</translation>
    </message>
    <message>
        <source>SAVING CURRENT GAME</source>
        <translation>ENREGISTRER LA PARTIE</translation>
    </message>
    <message>
        <source>GETTING A NEW PICTURE</source>
        <translation>OUVRIR UNE AUTRE IMAGE</translation>
    </message>
    <message>
        <source>QUITTING QUILTRA</source>
        <translation>QUITTER QUILTRA</translation>
    </message>
    <message>
        <source>New Game shuffles the pieces and keeps the puzzle size: New Game &gt; Puzzle (F5) starts a Puzzle game, New Game &gt; Slider (F6) a Slider game. A click on the whole picture starts a game in the current mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Nouvelle partie mélange les pièces sans changer la taille : Nouvelle partie &gt; Puzzle (F5) lance un Puzzle, Nouvelle partie &gt; Taquin (F6) un Taquin. Un clic sur l&apos;image entière lance une partie dans le mode actuel.</translation>
    </message>
    <message>
        <source>Click a piece to select it, then click the piece it should change places with: the two swap, and the swap counts as one move. Go on until every piece is in its place; the clock stops when the picture is complete.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Cliquez sur une pièce pour la sélectionner, puis sur celle avec qui elle doit changer de place : les deux s&apos;échangent, et l&apos;échange compte pour un coup. Continuez jusqu&apos;à ce que chaque pièce soit à sa place ; l&apos;horloge s&apos;arrête quand l&apos;image est complète.</translation>
    </message>
    <message>
        <source>One corner piece is taken away, leaving an empty space. Only a piece directly above, below, left or right of the empty space can move: click the piece, then click the empty space, and the piece slides into it. Every slide counts as one move.

You can also slide with the arrow keys: an arrow moves the piece beside the empty space in the arrow&apos;s direction, so Left slides the piece on the right of the empty space to the left.

Shuffling a Slider game takes longer than dealing a Puzzle game, because the pieces are shuffled by legal slides only, so that every game can be solved.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Une pièce d&apos;angle est retirée, laissant une case vide. Seule une pièce juste au-dessus, au-dessous, à gauche ou à droite de la case vide peut bouger : cliquez dessus, puis sur la case vide, et elle y glisse. Chaque glissement compte pour un coup.

Les flèches font aussi glisser : une flèche pousse dans son sens la pièce voisine de la case vide ; ainsi Gauche pousse vers la gauche la pièce à droite de la case vide.

Mélanger un Taquin est plus long que distribuer un Puzzle : le mélange ne fait que des glissements permis, pour que chaque partie ait une solution.</translation>
    </message>
    <message>
        <source>Load (F7) brings back the last saved game as it was when you saved it. Loading fails with a message when there is no saved game, or when the saved game&apos;s picture has been moved or removed since.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Charger (F7) rétablit la dernière partie enregistrée telle qu&apos;elle était. Le chargement échoue avec un message s&apos;il n&apos;y a pas de partie enregistrée, ou si son image a été déplacée ou supprimée depuis.</translation>
    </message>
    <message>
        <source>Save (F8) keeps the game in play, once it has begun. Only one game is kept: saving replaces the game saved before.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Enregistrer (F8) garde la partie en cours, une fois commencée. Une seule partie est gardée : l&apos;enregistrement remplace la précédente.</translation>
    </message>
    <message>
        <source>Open (F9) leads to the Open File window, where you can choose any bitmap, GIF or JPEG file. Your favourite pictures are on the Picture menu (see Using The Picture List).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Ouvrir (F9) mène à la fenêtre Ouvrir une image, où vous pouvez choisir tout fichier bitmap, GIF ou JPEG. Vos images préférées sont dans le menu Image (voir La liste d&apos;images).</translation>
    </message>
    <message>
        <source>Exit (Ctrl+X) ends Quiltra after asking whether you are sure.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quitter (Ctrl+X) ferme Quiltra après confirmation.</translation>
    </message>
    <message>
        <source>CHANGING VIEWS</source>
        <translation>CHANGER D&apos;AFFICHAGE</translation>
    </message>
    <message>
        <source>The first item of the View menu (F4) switches between the puzzle and the whole picture, so that you can look at the original and go back to your game. It names the view it leads to: Original while the puzzle is shown, Puzzle while the whole picture is shown.

Picture Viewer shows the current picture on its own, at its natural size, in place of the game window (see Picture Viewer Window).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Le premier élément du menu Affichage (F4) bascule entre le puzzle et l&apos;image entière, pour regarder l&apos;original puis revenir à la partie. Il porte le nom de la vue où il mène : Original quand le puzzle est affiché, Puzzle quand l&apos;image entière est affichée.

Visionneuse d&apos;images affiche l&apos;image en cours seule, à sa taille réelle, à la place de la fenêtre de jeu (voir Visionneuse d&apos;images).</translation>
    </message>
    <message>
        <source>USING THE PICTURE LIST</source>
        <translation>LA LISTE D&apos;IMAGES</translation>
    </message>
    <message>
        <source>ADDING TO THE LIST</source>
        <translation>AJOUTER À LA LISTE</translation>
    </message>
    <message>
        <source>EDITING THE LIST</source>
        <translation>MODIFIER LA LISTE</translation>
    </message>
    <message>
        <source>SELECTING  PICTURE FROM  LIST</source>
        <translation>CHOISIR  UNE IMAGE DE  LA LISTE</translation>
    </message>
    <message>
        <source>The Picture menu holds your list of favourite pictures below the picture in play.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Le menu Image contient votre liste d&apos;images préférées, sous l&apos;image en jeu.</translation>
    </message>
    <message>
        <source>Add puts the picture in play at the bottom of the list, unless it is already there. The list holds at most 22 pictures: when it is full, Add does nothing, and you must remove a picture with Edit List before you can add another. The list is saved when you leave Quiltra.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Ajouter place l&apos;image en jeu au bas de la liste, si elle n&apos;y est pas déjà. La liste contient au plus 22 images : quand elle est pleine, Ajouter ne fait rien, et il faut retirer une image avec Modifier la liste avant d&apos;en ajouter une autre. La liste est enregistrée quand vous quittez Quiltra.</translation>
    </message>
    <message>
        <source>Edit List opens the Picture List Editor in place of the game window, where you can add, remove and reorder pictures (see Picture List Editor).</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Modifier la liste ouvre l&apos;Éditeur de la liste d&apos;images à la place de la fenêtre de jeu ; vous pouvez y ajouter, retirer et réordonner des images (voir Éditeur de la liste d&apos;images).</translation>
    </message>
    <message>
        <source>Choose a picture from the list at the bottom of the Picture menu to open it. The game in play ends and the new picture is shown whole.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Choisissez une image dans la liste au bas du menu Image pour l&apos;ouvrir. La partie en cours se termine et la nouvelle image s&apos;affiche en entier.</translation>
    </message>
    <message>
        <source>CHANGING THE PUZZLE SIZE</source>
        <translation>CHANGER LA TAILLE DE LA GRILLE</translation>
    </message>
    <message>
        <source>The Size menu shows the current size at its top, such as 4x3=12 (4 columns by 3 rows, 12 pieces), and below it the sizes this picture offers. The sizes depend on the picture&apos;s dimensions and on the size of the game area. Choosing another size ends the current game and cuts the picture again; click the picture to play at the new size.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Le menu Taille affiche en haut la taille actuelle, par exemple 4x3=12 (4 colonnes sur 3 lignes, 12 pièces), et dessous les tailles que propose l&apos;image. Elles dépendent des dimensions de l&apos;image et de la taille de l&apos;aire de jeu. Choisir une autre taille termine la partie et redécoupe l&apos;image ; cliquez sur l&apos;image pour jouer à la nouvelle taille.</translation>
    </message>
    <message>
        <source>USING THE PREFERENCES MENU</source>
        <translation>LE MENU PRÉFÉRENCES</translation>
    </message>
    <message>
        <source>CHANGING THE COLORS</source>
        <translation>CHANGER LES COULEURS</translation>
    </message>
    <message>
        <source>ENABLING/DISABLING SOUND</source>
        <translation>ACTIVER/DÉSACTIVER LE SON</translation>
    </message>
    <message>
        <source>RESIZING THE GAME AREA</source>
        <translation>REDIMENSIONNER L&apos;AIRE DE JEU</translation>
    </message>
    <message>
        <source>SAVING PREFERENCES</source>
        <translation>ENREGISTRER LES PRÉFÉRENCES</translation>
    </message>
    <message>
        <source>Color offers three colours: Background, the colour behind the picture and the pieces; Selection, the frame around a selected piece; and Hint, the frames that mark misplaced pieces. Each opens a colour window: pick a colour and press OK to use it, or press Cancel to keep the colour you had.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Couleur propose trois couleurs : Fond, la couleur derrière l&apos;image et les pièces ; Sélection, le cadre autour d&apos;une pièce sélectionnée ; et Indice, les cadres qui marquent les pièces mal placées. Chacune ouvre une fenêtre de couleur : choisissez une couleur et appuyez sur OK pour l&apos;utiliser, ou sur Annuler pour garder l&apos;ancienne.</translation>
    </message>
    <message>
        <source>Sound Effects switches every sound on or off. Below it, Intro, Move and End switch the three effects one by one: the sound at start-up, the sound of each move and the sound of a finished puzzle. They can be changed only while Sound Effects is on.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Effets sonores active ou coupe tous les sons. En dessous, Intro, Coup et Fin activent les trois effets un par un : le son du démarrage, celui de chaque coup et celui d&apos;une partie terminée. On ne peut les changer que si Effets sonores est coché.</translation>
    </message>
    <message>
        <source>Screen Size lists six window sizes, from 480 by 600 to 1280 by 1024; the game area and the picture follow the window. You can also hold down the + key to make the window larger or the - key to make it smaller (as Manual: - + reminds you): the window changes when you release the key, and it never gets lower than its smallest height.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Taille d&apos;écran propose six tailles de fenêtre, de 480 sur 600 à 1280 sur 1024 ; l&apos;aire de jeu et l&apos;image suivent la fenêtre. Vous pouvez aussi maintenir la touche + pour agrandir la fenêtre ou la touche - pour la réduire (comme le rappelle Manuel : - +) : la fenêtre change quand vous relâchez la touche, et ne descend jamais sous sa hauteur minimale.</translation>
    </message>
    <message>
        <source>Save On Exit, when checked, keeps your colours and sound switches for the next time you play Quiltra. The window&apos;s size and place and the picture list are kept in any case.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Enregistrer en quittant, s&apos;il est coché, garde vos couleurs et réglages du son pour votre prochaine partie de Quiltra. La taille et la position de la fenêtre et la liste d&apos;images sont gardées dans tous les cas.</translation>
    </message>
    <message>
        <source>USING THE HELP MENU</source>
        <translation>LE MENU AIDE</translation>
    </message>
    <message>
        <source>About shows the version of Quiltra. Contents (F1) opens this document. Hint (F2) marks the pieces that are not in their places. In Puzzle mode a second Hint, with no move in between, puts a piece in its place: the selected piece, or else the first misplaced one. In Slider mode hints only mark the misplaced pieces. The last two items show the rules of Puzzle and of Slider mode.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>À propos affiche la version de Quiltra. Sommaire (F1) ouvre ce document. Indice (F2) marque les pièces qui ne sont pas à leur place. En mode Puzzle, un second Indice, sans coup entre les deux, met une pièce à sa place : la pièce sélectionnée, sinon la première mal placée. En mode Taquin, les indices ne font que marquer les pièces mal placées. Les deux derniers éléments affichent les règles des modes Puzzle et Taquin.</translation>
    </message>
    <message>
        <source>OPEN FILE WINDOW</source>
        <translation>FENÊTRE OUVRIR UNE IMAGE</translation>
    </message>
    <message>
        <source>VIEWING A PICTURE</source>
        <translation>APERÇU D&apos;UNE IMAGE</translation>
    </message>
    <message>
        <source>Open in the File menu (F9) opens the Open File window in place of the game window. Use the Drives and Directories boxes to find the folder that holds your picture; the Files box lists the pictures in it, and File Types chooses which kinds are listed. Open a picture by double-clicking it in the Files box, or select it and press Open. Cancel returns to the game without a new picture. A file that is not a picture, or a picture too small for a puzzle, is refused with a message. Once a picture is open, Add in the Picture menu puts it on your list.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Ouvrir dans le menu Fichier (F9) ouvre la fenêtre Ouvrir une image à la place de la fenêtre de jeu. Avec les listes Unités et Dossiers, trouvez le dossier de votre image ; la liste Fichiers en montre les images, et Formats choisit les types affichés. Ouvrez une image par un double-clic dans Fichiers, ou sélectionnez-la et appuyez sur Ouvrir. Annuler revient au jeu sans nouvelle image. Un fichier qui n&apos;est pas une image, ou une image trop petite pour un puzzle, est refusé avec un message. Une fois l&apos;image ouverte, Ajouter dans le menu Image la met dans votre liste.</translation>
    </message>
    <message>
        <source>With View checked, the selected file is shown beside the list. Click the preview to see the picture at full size in the Picture Viewer.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quand Voir est coché, le fichier sélectionné s&apos;affiche à côté de la liste. Cliquez sur l&apos;aperçu pour voir l&apos;image en taille réelle dans la Visionneuse d&apos;images.</translation>
    </message>
    <message>
        <source>PICTURE LIST EDITOR</source>
        <translation>ÉDITEUR DE LA LISTE D&apos;IMAGES</translation>
    </message>
    <message>
        <source>ADDING/REMOVING PICTURES</source>
        <translation>AJOUTER/RETIRER DES IMAGES</translation>
    </message>
    <message>
        <source>Edit List in the Picture menu opens the Picture List Editor. OK keeps your changes and saves the list; Cancel leaves the list as it was.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Modifier la liste dans le menu Image ouvre l&apos;Éditeur de la liste d&apos;images. OK garde vos modifications et enregistre la liste ; Annuler laisse la liste telle qu&apos;elle était.</translation>
    </message>
    <message>
        <source>To add pictures, find their folder with the Drives and Directories boxes, select one or more files in the Files box and press Add, or double-click a file. The pictures are checked first: a file that is not a valid picture, or a picture too small for a puzzle, is refused with a message, and a picture already on the list is not added again. The list holds at most 22 pictures.

To remove pictures, select them in the Picture List and press Remove, double-click one, or press Delete. To move a picture to another place in the list, drag it there with the mouse.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Pour ajouter des images, trouvez leur dossier avec les listes Unités et Dossiers, sélectionnez un ou plusieurs fichiers dans Fichiers et appuyez sur Ajouter, ou double-cliquez sur un fichier. Les images sont d&apos;abord vérifiées : un fichier qui n&apos;est pas une image valide, ou une image trop petite pour un puzzle, est refusé avec un message, et une image déjà dans la liste n&apos;est pas ajoutée deux fois. La liste contient au plus 22 images.

Pour retirer des images, sélectionnez-les dans Liste d&apos;images et appuyez sur Retirer, double-cliquez sur l&apos;une d&apos;elles, ou appuyez sur Suppr. Pour déplacer une image dans la liste, faites-la glisser avec la souris.</translation>
    </message>
    <message>
        <source>With View checked, the picture selected in either list is shown as a preview. Click the preview to see the picture at full size in the Picture Viewer; Exit there brings you back to the editor.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Quand Voir est coché, l&apos;image sélectionnée dans l&apos;une ou l&apos;autre liste s&apos;affiche en aperçu. Cliquez sur l&apos;aperçu pour voir l&apos;image en taille réelle dans la Visionneuse d&apos;images ; Fermer vous ramène alors à l&apos;éditeur.</translation>
    </message>
    <message>
        <source>PICTURE VIEWER WINDOW</source>
        <translation>VISIONNEUSE D&apos;IMAGES</translation>
    </message>
    <message>
        <source>RESIZING THE PICTURE</source>
        <translation>REDIMENSIONNER L&apos;IMAGE</translation>
    </message>
    <message>
        <source>The Picture Viewer shows a picture on its own, first at its natural size. The Size caption beside the View menu gives the size in twips, 15 to a screen pixel: a picture of 640 by 480 pixels reads Size : 9600x7200. Click a part of a large picture to bring it to the middle. Exit returns to the window you came from.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>La Visionneuse d&apos;images affiche une image seule, d&apos;abord à sa taille réelle. La légende Taille, près du menu Affichage, donne la taille en twips (15 par pixel) : une image de 640 sur 480 pixels affiche Taille : 9600x7200. Cliquez sur une partie d&apos;une grande image pour la centrer. Fermer revient à la fenêtre précédente.</translation>
    </message>
    <message>
        <source>Original Size (F5) returns the picture to its natural size. Fit to screen (F6) fits the whole picture into the window, which also enlarges a small picture; the Size caption keeps showing the natural size.

Zoom (F7) shows the Zoom panel: hold the mouse button down on In (+) or Out (-) to make the picture larger or smaller, and click OK to hide the panel. You can also hold down the + or - key. While you zoom, the Size caption follows at once; the picture is redrawn at the new size when you release the button or the key. A picture grows to at most 30000 twips and shrinks to no less than 1000.

Help in the viewer opens this document at this section.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Taille réelle (F5) rend à l&apos;image sa taille réelle. Ajuster à l&apos;écran (F6) fait tenir l&apos;image entière dans la fenêtre, ce qui agrandit aussi une petite image ; la légende Taille continue d&apos;indiquer la taille réelle.

Zoom (F7) affiche le panneau Zoom : maintenez le bouton de la souris sur Avant (+) ou Arrière (-) pour agrandir ou réduire l&apos;image, et cliquez sur OK pour masquer le panneau. Vous pouvez aussi maintenir la touche + ou -. Pendant le zoom, la légende Taille suit aussitôt ; l&apos;image est redessinée à la nouvelle taille quand vous relâchez le bouton ou la touche. Une image mesure au plus 30000 twips et au moins 1000.

Aide, dans la visionneuse, ouvre ce document à cette section.</translation>
    </message>
    <message>
        <source>UNDO, KEYS AND BEST TIMES</source>
        <translation>ANNULER, TOUCHES ET RECORDS</translation>
    </message>
    <message>
        <source>PNG, WebP and TIFF pictures play too. A click or any key skips the intro; the window can be resized and maximised, and + and = both enlarge it.

Undo (Ctrl+Z) in the File menu takes back the last swap, slide or Hint placement; Redo (Ctrl+Shift+Z or Ctrl+Y) makes it again; Restart (Ctrl+R) deals the same game again. In Puzzle mode the arrows move a dashed cursor and Space or Return clicks under it.

A menu key such as F4 does not resume a paused clock. Keyboard Shortcuts (Ctrl+?) in the Help menu lists every key; Best Times in the File menu, the ten best results.</source>
        <extracomment>A box of fixed height: keep about the English length, and the blank lines.</extracomment>
        <translation>Les images PNG, WebP et TIFF se jouent aussi. Un clic ou une touche passe l&apos;introduction ; la fenêtre se redimensionne et s&apos;agrandit, + et = l&apos;agrandissent.

Annuler (Ctrl+Z), menu Fichier, reprend le dernier coup ; Rétablir (Ctrl+Maj+Z, Ctrl+Y) le refait ; Recommencer la partie (Ctrl+R) rejoue la même donne. Au puzzle, les flèches déplacent un curseur, Espace ou Entrée clique.

F4 et les autres touches de menu ne relancent pas le chronomètre. Raccourcis clavier (Ctrl+?), menu Aide, liste les touches ; Meilleurs temps, menu Fichier, les meilleurs résultats.</translation>
    </message>
    <message>
        <source>NEXT MOVE AND SOLVE</source>
        <translation>COUP SUIVANT ET RÉSOUDRE</translation>
    </message>
    <message>
        <source>Next Move (F3) in the Help menu makes one move for you; Solve (Shift+F3) plays the rest until a key or a click stops it. Both count as hints, and a game Solve played in gets no best time.</source>
        <extracomment>A box of fixed height: keep about the English length.</extracomment>
        <translation>Coup suivant (F3) du menu Aide joue un coup pour vous ; Résoudre (Maj+F3) joue le reste jusqu&apos;à ce qu&apos;une touche ou un clic l&apos;arrête. Les deux comptent comme indices, et une partie où Résoudre a joué n&apos;a pas de meilleur temps.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quiltra -  Help</source>
        <translation>Quiltra -  Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Using Help</source>
        <translation>Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>Click on one of the index topics to move to that topic.</source>
        <translation>Cliquez sur un sujet de l&apos;index pour y aller.</translation>
    </message>
    <message>
        <source>Use the up/down arrow keys to scroll up or down.</source>
        <translation>Les flèches haut/bas font défiler vers le haut ou le bas.</translation>
    </message>
    <message>
        <source>Use the Pg Up/Pg Dn keys to move up or down a page at a time.</source>
        <translation>Les touches Pg préc/Pg suiv avancent ou reculent d&apos;une page à la fois.</translation>
    </message>
    <message>
        <source>Use the HOME/END keys to move to the start/end of the help document.</source>
        <translation>Les touches DÉBUT/FIN mènent au début ou à la fin du document d&apos;aide.</translation>
    </message>
    <message>
        <source>Quiltra Help</source>
        <translation>Aide de Quiltra</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Puzzle</source>
        <extracomment>In File &gt; New Game and in Help (the rules): its mnemonic must be free in both menus.</extracomment>
        <translation>&amp;Puzzle</translation>
    </message>
    <message>
        <source>&amp;Slider</source>
        <translation>&amp;Taquin</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Best &amp;Times...</source>
        <translation>&amp;Meilleurs temps...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <extracomment>The View command names the view it switches to: the puzzle.</extracomment>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Picture &amp;Viewer</source>
        <translation>&amp;Visionneuse d&apos;images</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Modifier la liste</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Pr&amp;eferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>In Preferences &gt; Color (the hint&apos;s colour) and in Help (ask for a hint): its mnemonic must be free in both menus.</extracomment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Sound Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <source>&amp;Intro</source>
        <translation>&amp;Intro</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Coup</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>&amp;Screen Size</source>
        <translation>&amp;Taille d&apos;écran</translation>
    </message>
    <message>
        <source>Manual: - +</source>
        <extracomment>A reminder (choosing it does nothing) that the + and - keys make the window larger and smaller; the Help document quotes it.</extracomment>
        <translation>Manuel : - +</translation>
    </message>
    <message>
        <source>S&amp;ave On Exit</source>
        <translation>&amp;Enregistrer en quittant</translation>
    </message>
    <message>
        <source>480 by 600</source>
        <translation>480 sur 600</translation>
    </message>
    <message>
        <source>720 by 600</source>
        <translation>720 sur 600</translation>
    </message>
    <message>
        <source>800 by 600</source>
        <translation>800 sur 600</translation>
    </message>
    <message>
        <source>1024 by 768</source>
        <translation>1024 sur 768</translation>
    </message>
    <message>
        <source>1152 by 864</source>
        <translation>1152 sur 864</translation>
    </message>
    <message>
        <source>1280 by 1024</source>
        <translation>1280 sur 1024</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Slidder</source>
        <translation>&amp;Taquin</translation>
    </message>
    <message>
        <source>Original</source>
        <extracomment>The View command names the view it switches to: the original picture.</extracomment>
        <translation>Original</translation>
    </message>
    <message>
        <source>Rest&amp;art</source>
        <translation>Recommencer la &amp;partie</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <extracomment>In Help: makes one move toward the finished picture.</extracomment>
        <translation>Coup s&amp;uivant</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <extracomment>In Help: plays the moves that finish the picture; chosen again, it stops them.</extracomment>
        <translation>&amp;Résoudre</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>Impossible de lire les données de l&apos;image</translation>
    </message>
    <message>
        <source>The picture is too large to open (%1 x %2 pixels)</source>
        <translation>L&apos;image est trop grande pour être ouverte (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>Not enough memory to open the picture</source>
        <translation>Mémoire insuffisante pour ouvrir l&apos;image</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The picture file is incomplete: it ends before all of its picture data</source>
        <translation>Le fichier image est incomplet : il s&apos;arrête avant la fin des données de l&apos;image</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>The file is empty and holds no picture</source>
        <translation>Le fichier est vide et ne contient aucune image</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Device unavailable</source>
        <translation>Périphérique indisponible</translation>
    </message>
    <message>
        <source>Picture is too small to divide into a puzzle.</source>
        <translation>L&apos;image est trop petite pour être découpée en puzzle.</translation>
    </message>
</context>
<context>
    <name>OpenPicture</name>
    <message>
        <source>All graphic files</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Bitmap: *.bmp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>Bitmap : *.bmp</translation>
    </message>
    <message>
        <source>GIF: *.gif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>GIF : *.gif</translation>
    </message>
    <message>
        <source>JPEG: *.jpg</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>JPEG : *.jpg</translation>
    </message>
    <message>
        <source>PNG: *.png</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>PNG : *.png</translation>
    </message>
    <message>
        <source>WebP: *.webp</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>WebP : *.webp</translation>
    </message>
    <message>
        <source>TIFF: *.tif</source>
        <extracomment>A file type; keep the pattern after the colon as it stands.</extracomment>
        <translation>TIFF : *.tif</translation>
    </message>
    <message>
        <source>Quiltra - Open Picture</source>
        <translation>Quiltra - Ouvrir une image</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <extracomment>The window&apos;s caption while the picture %1 (its file name) loads.</extracomment>
        <translation>Chargement de %1</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to open. To open a file from the Files box double click on the file or select the file and then press the Open button.</source>
        <translation>Avec les listes Unités et Dossiers, trouvez le dossier qui contient l&apos;image à ouvrir. Pour ouvrir un fichier de la liste Fichiers, double-cliquez dessus, ou sélectionnez-le puis appuyez sur le bouton Ouvrir.</translation>
    </message>
    <message>
        <source>Once opened you can add the picture to the Picture List by using the Add option in the Pictures menu.</source>
        <translation>Une fois l&apos;image ouverte, vous pouvez l&apos;ajouter à la liste d&apos;images avec la commande Ajouter du menu Image.</translation>
    </message>
    <message>
        <source>Open a picture.</source>
        <translation>Ouvrez une image.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Unités :</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Dossiers :</translation>
    </message>
    <message>
        <source>File Types</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
<context>
    <name>PictureListEditor</name>
    <message>
        <source>Quiltra - Picture List Editor</source>
        <translation>Quiltra - Éditeur de la liste d&apos;images</translation>
    </message>
    <message>
        <source>Add or remove pictures from the Picture List</source>
        <translation>Ajoutez des images à la liste d&apos;images ou retirez-en</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Unités :</translation>
    </message>
    <message>
        <source>Directories:</source>
        <translation>Dossiers :</translation>
    </message>
    <message>
        <source>Use the Drives and Directories boxes to find the directory containing the picture you want to add. The files are list in the Files box.  </source>
        <extracomment>The two blanks at the end belong to the text.</extracomment>
        <translation>Avec les listes Unités et Dossiers, trouvez le dossier qui contient l&apos;image à ajouter. Les fichiers apparaissent dans la liste Fichiers.  </translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>Add -&gt;</source>
        <translation>Ajouter -&gt;</translation>
    </message>
    <message>
        <source>&lt;- Remove</source>
        <translation>&lt;- Retirer</translation>
    </message>
    <message>
        <source>Picture List:</source>
        <translation>Liste d&apos;images :</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added to the Picture List: its name or folder contains a double quote or a line break.</source>
        <extracomment>%1 is a file name, shown in the double quotes around it.</extracomment>
        <translation>« %1 » ne peut pas être ajouté à la liste d&apos;images : son nom ou son dossier contient un guillemet (&quot;) ou un saut de ligne.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Invalid file</source>
        <translation>Fichier non valide</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Quiltra - Picture Viewer:  Press Exit to return to previous screen.</source>
        <extracomment>The two blanks after the colon belong to the title.</extracomment>
        <translation>Quiltra - Visionneuse d&apos;images :  Appuyez sur Fermer pour revenir à l&apos;écran précédent.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Original Size </source>
        <extracomment>The blank at the end belongs to the caption.</extracomment>
        <translation>Taille &amp;réelle </translation>
    </message>
    <message>
        <source>&amp;Fit to screen</source>
        <translation>&amp;Ajuster à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Size: size</source>
        <translation>Taille : taille</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>In (+)</source>
        <translation>Avant (+)</translation>
    </message>
    <message>
        <source>Out (-)</source>
        <translation>Arrière (-)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Natural size %1 x %2 pixels, shown from a copy of %3 x %4 pixels to save memory</source>
        <translation>Taille réelle %1 x %2 pixels, affichée à partir d&apos;une copie de %3 x %4 pixels pour économiser la mémoire</translation>
    </message>
    <message>
        <source>Size : %1x%2</source>
        <extracomment>%1 and %2 are the width and height in twips.</extracomment>
        <translation>Taille : %1x%2</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Quiltra - Keyboard Shortcuts</source>
        <translation>Quiltra - Raccourcis clavier</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Game window</source>
        <translation>Fenêtre de jeu</translation>
    </message>
    <message>
        <source>F5 / F6</source>
        <translation>F5 / F6</translation>
    </message>
    <message>
        <source>a new Puzzle / Slider game (File › New Game)</source>
        <translation>une nouvelle partie de puzzle / de taquin (Fichier › Nouvelle partie)</translation>
    </message>
    <message>
        <source>F7 / F8</source>
        <translation>F7 / F8</translation>
    </message>
    <message>
        <source>load / save the game (File › Load, File › Save)</source>
        <translation>charger / enregistrer la partie (Fichier › Charger, Fichier › Enregistrer)</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>File › Open: the Open Picture window</source>
        <translation>Fichier › Ouvrir : la fenêtre Ouvrir une image</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>File › Restart: the same deal again, from its first arrangement</source>
        <translation>Fichier › Recommencer la partie : la même donne, depuis sa disposition de départ</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>File › Undo: takes back the last swap, slide or piece placed by Hint, back to the deal</source>
        <translation>Fichier › Annuler : reprend le dernier échange, glissement ou morceau placé par Indice, jusqu&apos;à la donne</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Maj+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>File › Redo: makes an undone move again</source>
        <translation>Fichier › Rétablir : refait un coup annulé</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>quit (File › Exit)</source>
        <translation>quitter (Fichier › Quitter)</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>switch between the puzzle and the whole picture (View)</source>
        <translation>passer du puzzle à l&apos;image entière et inversement (Affichage)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Help › Contents (the clock pauses)</source>
        <translation>Aide › Sommaire (le chronomètre s&apos;arrête)</translation>
    </message>
    <message>
        <source>Ctrl+?</source>
        <translation>Ctrl+?</translation>
    </message>
    <message>
        <source>Help › Keyboard Shortcuts: this list of keys</source>
        <translation>Aide › Raccourcis clavier : cette liste des touches</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Help › Hint</source>
        <translation>Aide › Indice</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>pause the clock; P again, an arrow, Space, Return or a letter resumes it (a menu key such as F4 does not, nor + or −)</source>
        <translation>mettre le chronomètre en pause ; P à nouveau, une flèche, Espace, Entrée ou une lettre le relance (pas une touche de menu comme F4, ni + ou −)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Puzzle: move the keyboard cursor, a dashed black and white frame; the first arrow shows it</source>
        <translation>Puzzle : déplacer le curseur clavier, un cadre en pointillés noir et blanc ; la première flèche l&apos;affiche</translation>
    </message>
    <message>
        <source>Slider: slide the neighbour of the empty cell into it (Left moves the piece right of the empty cell leftwards)</source>
        <translation>Taquin : faire glisser le voisin de la case vide dans celle-ci (Gauche déplace vers la gauche le morceau à droite de la case vide)</translation>
    </message>
    <message>
        <source>Space, Return</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>act as a click on the piece under the cursor (in Slider mode too)</source>
        <translation>agissent comme un clic sur le morceau sous le curseur (au taquin aussi)</translation>
    </message>
    <message>
        <source>+ or =, − (hold)</source>
        <translation>+ ou =, − (maintenir)</translation>
    </message>
    <message>
        <source>make the window larger / smaller; the longer the key is held, the larger the step, taken when it is released</source>
        <translation>agrandir / réduire la fenêtre ; plus la touche est maintenue, plus le pas est grand, appliqué au relâchement</translation>
    </message>
    <message>
        <source>Click, any key</source>
        <translation>Clic, toute touche</translation>
    </message>
    <message>
        <source>during the intro: skip it</source>
        <translation>pendant l&apos;introduction : la passer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Page Up / Page Down, ↑ / ↓, Home / End, wheel</source>
        <translation>Page préc. / Page suiv., ↑ / ↓, Début / Fin, molette</translation>
    </message>
    <message>
        <source>scroll the help text</source>
        <translation>faire défiler le texte de l&apos;aide</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>close the window, as Exit does</source>
        <translation>fermer la fenêtre, comme Fermer</translation>
    </message>
    <message>
        <source>Picture Viewer</source>
        <translation>Visionneuse d&apos;images</translation>
    </message>
    <message>
        <source>F5 / F6 / F7</source>
        <translation>F5 / F6 / F7</translation>
    </message>
    <message>
        <source>Original Size / Fit to screen / the Zoom panel</source>
        <translation>Taille réelle / Ajuster à l&apos;écran / le panneau Zoom</translation>
    </message>
    <message>
        <source>zoom in / out, step by step while the key is held</source>
        <translation>zoomer / dézoomer, pas à pas tant que la touche est maintenue</translation>
    </message>
    <message>
        <source>Wheel, Shift+wheel</source>
        <translation>Molette, Maj+molette</translation>
    </message>
    <message>
        <source>scroll a picture larger than the window up and down, sideways</source>
        <translation>faire défiler une image plus grande que la fenêtre de haut en bas, de côté</translation>
    </message>
    <message>
        <source>Ctrl+wheel</source>
        <translation>Ctrl+molette</translation>
    </message>
    <message>
        <source>zoom one step for each notch of the wheel</source>
        <translation>un pas de zoom par cran de la molette</translation>
    </message>
    <message>
        <source>About, Open Picture, Picture List Editor, Best Times, Keyboard Shortcuts</source>
        <translation>À propos, Ouvrir une image, Éditeur de la liste d&apos;images, Meilleurs temps, Raccourcis clavier</translation>
    </message>
    <message>
        <source>close the window, as its Okay, Cancel or Close does</source>
        <translation>fermer la fenêtre, comme OK, Annuler ou Fermer</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Help › Next Move: one move toward the finished picture, counted as a move and a hint</source>
        <translation>Aide › Coup suivant : un coup vers l&apos;image terminée, compté comme coup et comme indice</translation>
    </message>
    <message>
        <source>Shift+F3</source>
        <translation>Maj+F3</translation>
    </message>
    <message>
        <source>Help › Solve: plays the rest of the solution; any key, click or Shift+F3 stops it</source>
        <translation>Aide › Résoudre : joue le reste de la solution ; une touche, un clic ou Maj+F3 l&apos;arrête</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings could not be saved to &quot;init.txt&quot;: %1. The previous settings file is unchanged.</source>
        <extracomment>%1 is the system&apos;s description of the failure; &quot;init.txt&quot; is a file name.</extracomment>
        <translation>Impossible d&apos;enregistrer les réglages dans « init.txt » : %1. L&apos;ancien fichier de réglages reste inchangé.</translation>
    </message>
    <message>
        <source>the file could not be read when Quiltra started (%1)</source>
        <extracomment>Completes &quot;The settings could not be saved to &quot;init.txt&quot;: %1.&quot;; %1 is the system&apos;s description of the failure.</extracomment>
        <translation>le fichier n&apos;a pas pu être lu au démarrage de Quiltra (%1)</translation>
    </message>
</context>
</TS>
