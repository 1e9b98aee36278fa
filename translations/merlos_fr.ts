<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>APropos</name>
    <message>
        <source>not loaded</source>
        <translation>non chargé</translation>
    </message>
    <message>
        <source>Merlos %1
The 3×3×3 cube: turn it, scramble it, solve it stage by stage.
Copyright © The Merlos developers. MIT License.
Qt %2
Control module: %3</source>
        <translation>Merlos %1
Le cube 3×3×3&#xa0;: le tourner, le mélanger, le résoudre étape par étape.
Copyright © Les développeurs de Merlos. Licence MIT.
Qt %2
Module du contrôle&#xa0;: %3</translation>
    </message>
    <message>
        <source>About Merlos</source>
        <translation>À propos de Merlos</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>Aide</name>
    <message>
        <source>Merlos Help</source>
        <translation>Aide de Merlos</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find in the help</source>
        <translation>Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>Ctrl+F, then Enter or F3 for the next place</source>
        <translation>Ctrl+F, puis Entrée ou F3 pour l’endroit suivant</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Next place (F3 or Enter)</source>
        <translation>Endroit suivant (F3 ou Entrée)</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Previous place (Shift+F3)</source>
        <translation>Endroit précédent (Maj+F3)</translation>
    </message>
    <message>
        <source>&amp;About Merlos</source>
        <translation>À &amp;propos de Merlos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the help (Esc)</source>
        <translation>Fermer l&apos;aide (Échap)</translation>
    </message>
    <message>
        <source>Went on from the end</source>
        <translation>Recherche reprise depuis la fin</translation>
    </message>
    <message>
        <source>Went on from the top</source>
        <translation>Recherche reprise depuis le début</translation>
    </message>
    <message>
        <source>“%1” is not in the help</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas dans l&apos;aide</translation>
    </message>
</context>
<context>
    <name>AnimationTours</name>
    <message>
        <source>Animate turns</source>
        <translation>Animer les tours</translation>
    </message>
    <message>
        <source>Show each turn made with a button or its key as it happens</source>
        <translation>Montrer chaque tour fait avec un bouton ou sa touche au moment où il se fait</translation>
    </message>
    <message>
        <source>Shows each turn you make with a button or its key as it happens, the layer turning in 3-D</source>
        <translation>Montre chaque tour que vous faites avec un bouton ou sa touche au moment où il se fait, la couronne tournant en 3D</translation>
    </message>
    <message>
        <source>Turn speed</source>
        <translation>Vitesse des tours</translation>
    </message>
    <message>
        <source>How long a quarter turn takes when it is shown</source>
        <translation>Durée d&apos;un quart de tour quand il est montré</translation>
    </message>
    <message numerus="yes">
        <source>%n ms a quarter turn</source>
        <translation>
            <numerusform>%n ms par quart de tour</numerusform>
            <numerusform>%n ms par quart de tour</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Avis</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>CUBEHost</name>
    <message>
        <source>Automation error %1 in %2</source>
        <translation>Erreur d&apos;automation %1 dans %2</translation>
    </message>
    <message>
        <source>Cannot load the cube control %1: %2</source>
        <translation>Impossible de charger le contrôle du cube %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Conseil</name>
    <message>
        <source>Next: %1.</source>
        <translation>Ensuite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The cube is solved.</source>
        <translation>Le cube est résolu.</translation>
    </message>
    <message>
        <source>%1 did nothing: it starts once %2. Press %3 first.</source>
        <translation>%1 n&apos;a rien fait&#xa0;: cette étape commence une fois que %2. Appuyez d&apos;abord sur %3.</translation>
    </message>
    <message>
        <source>%1 had nothing to do: %2. %3</source>
        <translation>%1 n&apos;avait rien à faire&#xa0;: %2. %3</translation>
    </message>
    <message>
        <source>the top face is one colour</source>
        <translation>la face du haut est d&apos;une seule couleur</translation>
    </message>
    <message>
        <source>the top face is already one colour</source>
        <translation>la face du haut est déjà d&apos;une seule couleur</translation>
    </message>
    <message>
        <source>the top edges already sit over their side centres</source>
        <translation>les arêtes du haut sont déjà au-dessus des centres de leurs côtés</translation>
    </message>
    <message>
        <source>the top edges sit over their side centres</source>
        <translation>les arêtes du haut sont au-dessus des centres de leurs côtés</translation>
    </message>
    <message>
        <source>the top layer is already complete</source>
        <translation>la couronne du haut est déjà complète</translation>
    </message>
    <message>
        <source>the middle layer is already complete</source>
        <translation>la couronne du milieu est déjà complète</translation>
    </message>
    <message>
        <source>%1 did nothing: it finishes a top face whose corners alone are wrong. Press %2 first.</source>
        <translation>%1 n&apos;a rien fait&#xa0;: cette étape finit une face du haut dont seuls les coins sont faux. Appuyez d&apos;abord sur %2.</translation>
    </message>
</context>
<context>
    <name>ControleurFichiers</name>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Open a session saved before: the cube, the log and its marks</source>
        <translation>Ouvrir une session enregistrée&#xa0;: le cube, le journal et ses marques</translation>
    </message>
    <message>
        <source>Save the session: the cube however it is held, the log, the counter and the layers chosen</source>
        <translation>Enregistrer la session&#xa0;: le cube tel qu&apos;il est tenu, le journal, le compteur et les couronnes choisies</translation>
    </message>
    <message>
        <source>Save the session in a new file</source>
        <translation>Enregistrer la session dans un nouveau fichier</translation>
    </message>
    <message>
        <source>Open one of the sessions opened or saved last</source>
        <translation>Ouvrir une des dernières sessions ouvertes ou enregistrées</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>Enregistrer la session</translation>
    </message>
    <message>
        <source>Merlos sessions (*.merlos)</source>
        <translation>Sessions Merlos (*.merlos)</translation>
    </message>
    <message>
        <source>Open session</source>
        <translation>Ouvrir une session</translation>
    </message>
    <message>
        <source>Merlos sessions (*.merlos);;All files (*)</source>
        <translation>Sessions Merlos (*.merlos);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The session has changes that are not saved.</source>
        <translation>La session a des changements qui ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Save them in a file first?</source>
        <translation>Les enregistrer d&apos;abord dans un fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Save them in %1 first?</source>
        <translation>Les enregistrer d&apos;abord dans %1&#xa0;?</translation>
    </message>
    <message>
        <source>No recent sessions</source>
        <translation>Aucune session récente</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>DocumentSession</name>
    <message>
        <source>it is damaged: its “%1” is missing or not what Merlos writes</source>
        <translation>il est endommagé&#xa0;: son «&#xa0;%1&#xa0;» manque ou n&apos;est pas ce qu&apos;écrit Merlos</translation>
    </message>
    <message>
        <source>line %1 of its log, “%2”, is not a line Merlos writes</source>
        <translation>la ligne %1 de son journal, «&#xa0;%2&#xa0;», n&apos;est pas une ligne qu&apos;écrit Merlos</translation>
    </message>
    <message numerus="yes">
        <source>its counter shows %1 but its log has %n line(s)</source>
        <translation>
            <numerusform>son compteur indique %1 mais son journal a %n ligne</numerusform>
            <numerusform>son compteur indique %1 mais son journal a %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its counter shows nothing but its log has %n line(s)</source>
        <translation>
            <numerusform>son compteur n&apos;indique rien mais son journal a %n ligne</numerusform>
            <numerusform>son compteur n&apos;indique rien mais son journal a %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>its chosen line %1 is not in its log of %n line(s)</source>
        <translation>
            <numerusform>sa ligne choisie %1 n&apos;est pas dans son journal de %n ligne</numerusform>
            <numerusform>sa ligne choisie %1 n&apos;est pas dans son journal de %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>its cube cannot be: %1</source>
        <translation>son cube ne peut pas exister&#xa0;: %1</translation>
    </message>
    <message>
        <source>its faces stand in an order no cube can be turned to</source>
        <translation>ses faces sont dans un ordre où aucun cube ne peut être tourné</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it holds binary data, not a session</source>
        <translation>il contient des données binaires, pas une session</translation>
    </message>
    <message>
        <source>it is not a Merlos session</source>
        <translation>ce n&apos;est pas une session Merlos</translation>
    </message>
    <message>
        <source>it is not a Merlos session: it holds %1 values in %2 bytes</source>
        <translation>ce n&apos;est pas une session Merlos&#xa0;: il contient %1 valeurs en %2 octets</translation>
    </message>
    <message>
        <source>it is cut short: it ends before the session does</source>
        <translation>il est tronqué&#xa0;: il s&apos;arrête avant la fin de la session</translation>
    </message>
    <message>
        <source>it is damaged near character %1 (%2)</source>
        <translation>il est endommagé vers le caractère %1 (%2)</translation>
    </message>
    <message>
        <source>it was saved by a newer Merlos (file version %1); this one reads version %2</source>
        <translation>il a été enregistré par un Merlos plus récent (version de fichier %1)&#xa0;; celui-ci lit la version %2</translation>
    </message>
    <message>
        <source>“%1” cannot be saved: %2.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 MB; a session file is at most %2 MB</source>
        <translation>il fait %1 Mo&#xa0;; un fichier de session fait au plus %2 Mo</translation>
    </message>
    <message>
        <source>it is larger than %1 MB, the most a session file holds</source>
        <translation>il dépasse %1 Mo, le plus qu&apos;un fichier de session contienne</translation>
    </message>
</context>
<context>
    <name>Dossiers</name>
    <message>
        <source>HOME is not set; settings and recovered work are kept under %1, this account&apos;s home folder.</source>
        <translation>HOME n&apos;est pas défini&#xa0;; les réglages et le travail à récupérer sont gardés sous %1, le dossier personnel de ce compte.</translation>
    </message>
    <message>
        <source>HOME is not set and this account has no home folder; settings last for this run only and no work is kept for recovery.</source>
        <translation>HOME n&apos;est pas défini et ce compte n&apos;a pas de dossier personnel&#xa0;; les réglages ne durent que le temps de cette exécution et aucun travail n&apos;est gardé pour être récupéré.</translation>
    </message>
    <message>
        <source>HOME is not set and this account has no home folder; settings last for this run only.</source>
        <translation>HOME n&apos;est pas défini et ce compte n&apos;a pas de dossier personnel&#xa0;; les réglages ne durent que le temps de cette exécution.</translation>
    </message>
    <message>
        <source>HOME is not set and this account has no home folder; no work is kept for recovery.</source>
        <translation>HOME n&apos;est pas défini et ce compte n&apos;a pas de dossier personnel&#xa0;; aucun travail n&apos;est gardé pour être récupéré.</translation>
    </message>
</context>
<context>
    <name>EditeurCouleurs</name>
    <message>
        <source>Top (U)</source>
        <translation>Haut (U)</translation>
    </message>
    <message>
        <source>Right (R)</source>
        <translation>Droite (R)</translation>
    </message>
    <message>
        <source>Front (F)</source>
        <translation>Devant (F)</translation>
    </message>
    <message>
        <source>Bottom (D)</source>
        <translation>Bas (D)</translation>
    </message>
    <message>
        <source>Left (L)</source>
        <translation>Gauche (L)</translation>
    </message>
    <message>
        <source>Back (B)</source>
        <translation>Derrière (B)</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Cube net</source>
        <translation>Patron du cube</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>sans couleur</translation>
    </message>
    <message>
        <source>%1 face, row %2, column %3: %4%5. Arrows move; W, O, G, R, B, Y or Space paint; Delete clears.</source>
        <translation>Face %1, ligne %2, colonne %3&#xa0;: %4%5. Les flèches déplacent&#xa0;; W, O, G, R, B, Y ou Espace peignent&#xa0;; Suppr efface.</translation>
    </message>
    <message>
        <source>, the centre</source>
        <translation>, le centre</translation>
    </message>
    <message>
        <source>Enter cube colours</source>
        <translation>Saisir les couleurs du cube</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Sans couleur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Paint %1</source>
        <translation>Peindre en %1</translation>
    </message>
    <message>
        <source>What stops this cube from existing</source>
        <translation>Ce qui empêche ce cube d&apos;exister</translation>
    </message>
    <message>
        <source>From the &amp;cube</source>
        <translation>Depuis le &amp;cube</translation>
    </message>
    <message>
        <source>&amp;Empty</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Set up</source>
        <translation>&amp;Poser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Hold your cube with white on top and green in front, and paint each square as you see it: pick a colour, then click or drag over the squares. The centres are fixed.
Bottom (yellow): tip the cube towards you to see it; its edge at the top of the net is the one next to the front. Back (blue): turn the cube round to see it; its edge at the top of the net is the one next to the top.</source>
        <translation>Tenez votre cube blanc en haut et vert devant, et peignez chaque case comme vous la voyez&#xa0;: choisissez une couleur, puis cliquez ou glissez sur les cases. Les centres sont fixes.
Bas (jaune)&#xa0;: basculez le cube vers vous pour le voir&#xa0;; son bord en haut du patron est celui qui touche la face de devant. Derrière (bleu)&#xa0;: faites pivoter le cube pour le voir&#xa0;; son bord en haut du patron est celui qui touche la face du haut.</translation>
    </message>
    <message>
        <source>Set up colours</source>
        <translation>Poser les couleurs</translation>
    </message>
    <message>
        <source>A face painted the wrong way round is the likely cause: check how you held the cube for the bottom and the back.</source>
        <translation>Une face peinte à l&apos;envers en est sans doute la cause&#xa0;: vérifiez comment vous teniez le cube pour la face du bas et celle de derrière.</translation>
    </message>
    <message>
        <source>Such a cube can exist: “Set up” puts it on the screen.</source>
        <translation>Un tel cube peut exister&#xa0;: «&#xa0;Poser&#xa0;» le met à l&apos;écran.</translation>
    </message>
</context>
<context>
    <name>FichiersSession</name>
    <message>
        <source>A command is still running: open the session once it has finished.</source>
        <translation>Une commande est encore en cours&#xa0;: ouvrez la session une fois qu&apos;elle est finie.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>Merlos last ended without being closed; it kept the work you had not saved. Restore it?</source>
        <translation>Merlos s&apos;est arrêté la dernière fois sans avoir été fermé&#xa0;; il a gardé le travail que vous n&apos;aviez pas enregistré. Le restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>Its file: %1.</source>
        <translation>Son fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Merlos last ended without being closed, but the work it kept cannot be read.</source>
        <translation>Merlos s&apos;est arrêté la dernière fois sans avoir été fermé, mais le travail qu&apos;il a gardé ne peut pas être lu.</translation>
    </message>
    <message>
        <source>&amp;Keep it for later</source>
        <translation>&amp;Le garder pour plus tard</translation>
    </message>
    <message>
        <source>The work was restored, but its recovery file could not be taken over: it will be offered again.</source>
        <translation>Le travail a été restauré, mais son fichier de récupération n&apos;a pas pu être repris&#xa0;: il sera proposé de nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>Kept on %1, with %n log line(s).</source>
        <translation>
            <numerusform>Gardé le %1, avec %n ligne de journal.</numerusform>
            <numerusform>Gardé le %1, avec %n lignes de journal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GuideEtapes</name>
    <message>
        <source>Copy solution copies the moves to make; Replay shows them one by one.</source>
        <translation>Copier la solution copie les coups à faire&#xa0;; Rejouer les montre un par un.</translation>
    </message>
</context>
<context>
    <name>Historique</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Take back the last command: the cube, the log and its counter as they were</source>
        <translation>Annuler la dernière commande&#xa0;: le cube, le journal et son compteur redeviennent comme avant</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Make again the command last taken back</source>
        <translation>Refaire la dernière commande annulée</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Legendes</name>
    <message>
        <source>give every face its own colour again; the log stays</source>
        <translation>redonner à chaque face sa couleur&#xa0;; le journal reste</translation>
    </message>
    <message>
        <source>&amp;Reset colours</source>
        <translation>&amp;Réinitialiser les couleurs</translation>
    </message>
    <message>
        <source>scramble the cube with 31 random quarter turns of the outer layers, logged</source>
        <translation>mélanger par 31 quarts de tour au hasard des couronnes extérieures, inscrits au journal</translation>
    </message>
    <message>
        <source>&amp;Scramble</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>make the top face one colour</source>
        <translation>rendre la face du haut d’une seule couleur</translation>
    </message>
    <message>
        <source>bring the top edges over their side centres</source>
        <translation>amener les arêtes du haut au-dessus des centres de leurs côtés</translation>
    </message>
    <message>
        <source>place the top corners</source>
        <translation>placer les coins du haut</translation>
    </message>
    <message>
        <source>complete the middle layer (E in notation)</source>
        <translation>compléter la couronne du milieu (E en notation)</translation>
    </message>
    <message>
        <source>turn the cube over and finish it</source>
        <translation>retourner le cube et le finir</translation>
    </message>
    <message>
        <source>(the bottom)</source>
        <translation>(celle du bas)</translation>
    </message>
    <message>
        <source>finish the top face when only its corners are wrong</source>
        <translation>finir la face du haut quand seuls ses coins sont faux</translation>
    </message>
    <message>
        <source>cycle three top edges, two of them flipped</source>
        <translation>permuter trois arêtes du haut, dont deux retournées</translation>
    </message>
    <message>
        <source>bring the bottom-right edge up to the front right of the middle layer</source>
        <translation>monter l’arête en bas à droite à l’avant droit de la couronne du milieu</translation>
    </message>
    <message>
        <source>bring the bottom-right edge up to the back right of the middle layer</source>
        <translation>monter l’arête en bas à droite à l’arrière droit de la couronne du milieu</translation>
    </message>
    <message>
        <source>top layer only: edges as PA, corners swapped in pairs</source>
        <translation>couronne du haut seule&#xa0;: arêtes comme PA, coins échangés deux à deux</translation>
    </message>
    <message>
        <source>top layer only: edges the other way, corners swapped in pairs</source>
        <translation>couronne du haut seule&#xa0;: arêtes dans l’autre sens, coins échangés deux à deux</translation>
    </message>
    <message>
        <source>(a macro, not the B face)</source>
        <translation>(macro, pas la face B)</translation>
    </message>
    <message>
        <source>cycle three top edges, left to back to right</source>
        <translation>permuter trois arêtes du haut, de la gauche vers l’arrière vers la droite</translation>
    </message>
    <message>
        <source>cycle three top corners</source>
        <translation>permuter trois coins du haut</translation>
    </message>
    <message>
        <source>empty the log; the cube stays</source>
        <translation>vider le journal&#xa0;; le cube reste</translation>
    </message>
    <message>
        <source>C&amp;lear the log</source>
        <translation>&amp;Vider le journal</translation>
    </message>
    <message>
        <source>undo the selected log line, or the last one</source>
        <translation>annuler la ligne choisie du journal, ou la dernière</translation>
    </message>
    <message>
        <source>undo every line of the log, last first</source>
        <translation>annuler chaque ligne du journal, la dernière d’abord</translation>
    </message>
    <message>
        <source>Logs “%1” and the number of the face that comes to the front</source>
        <translation>Inscrit «&#xa0;%1&#xa0;» et le numéro de la face qui vient devant</translation>
    </message>
    <message>
        <source>Logs “%1”</source>
        <translation>Inscrit «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>cannot write standard output: %1
</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1
</translation>
    </message>
    <message>
        <source>usage: Merlos [-h] [-v] [FILE]
</source>
        <translation>usage&#xa0;: Merlos [-h] [-v] [FILE]
</translation>
    </message>
    <message>
        <source>Turn, scramble and solve the 3×3×3 cube, stage by stage.</source>
        <translation>Tourner, mélanger et résoudre le cube 3×3×3, étape par étape.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Affiche cette aide et termine.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Affiche la version et termine.</translation>
    </message>
    <message>
        <source>A saved session to open.</source>
        <translation>Une session enregistrée à ouvrir.</translation>
    </message>
    <message>
        <source>only one FILE can be opened</source>
        <translation>un seul FILE peut être ouvert</translation>
    </message>
</context>
<context>
    <name>MenuJournal</name>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>The log holds no moves to copy.</source>
        <translation>Le journal ne contient aucun coup à copier.</translation>
    </message>
    <message>
        <source>Copied the log as %1.</source>
        <translation>Journal copié en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %1, without turning the whole cube (the log has %n turn(s)).</source>
        <translation>
            <numerusform>%1 copiés, sans tourner le cube entier (le journal a %n tour).</numerusform>
            <numerusform>%1 copiés, sans tourner le cube entier (le journal a %n tours).</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is empty.</source>
        <translation>Le journal est vide.</translation>
    </message>
    <message>
        <source>The clipboard holds no text to play.</source>
        <translation>Le presse-papiers ne contient aucun texte à jouer.</translation>
    </message>
    <message>
        <source>Not set up: %1</source>
        <translation>Non posé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The position is set up, white on top and green in front; the log starts afresh.</source>
        <translation>La position est posée, blanc en haut et vert devant&#xa0;; le journal repart de zéro.</translation>
    </message>
    <message>
        <source>Nothing played: %1</source>
        <translation>Rien joué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to play.</source>
        <translation>Le presse-papiers ne contient aucun coup à jouer.</translation>
    </message>
    <message>
        <source>Copied the position: %1</source>
        <translation>Position copiée&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n log line(s).</source>
        <translation>
            <numerusform>%n ligne du journal copiée.</numerusform>
            <numerusform>%n lignes du journal copiées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Not set up: %1 (and %n more)</source>
        <translation>
            <numerusform>Non posé&#xa0;: %1 (et %n autre)</numerusform>
            <numerusform>Non posé&#xa0;: %1 (et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Enter cube colours…</source>
        <translation>&amp;Saisir les couleurs du cube…</translation>
    </message>
    <message>
        <source>Paint the squares of your own cube and set it up</source>
        <translation>Peindre les cases de votre propre cube et le poser</translation>
    </message>
    <message>
        <source>&amp;Copy moves</source>
        <translation>&amp;Copier les coups</translation>
    </message>
    <message>
        <source>Copy the log as moves in cube notation</source>
        <translation>Copier le journal en coups de la notation du cube</translation>
    </message>
    <message>
        <source>Copy moves, &amp;simplified</source>
        <translation>Copier les coups, &amp;simplifiés</translation>
    </message>
    <message>
        <source>Copy the moves without whole-cube turns, merged and cancelled</source>
        <translation>Copier les coups sans les tours du cube entier, regroupés, ceux qui s&apos;annulent retirés</translation>
    </message>
    <message>
        <source>Copy log &amp;lines</source>
        <translation>Copier les &amp;lignes du journal</translation>
    </message>
    <message>
        <source>Copy the log&apos;s lines as they stand</source>
        <translation>Copier les lignes du journal telles quelles</translation>
    </message>
    <message>
        <source>&amp;Paste moves</source>
        <translation>C&amp;oller des coups</translation>
    </message>
    <message>
        <source>Play the moves on the clipboard, or set up the position it holds</source>
        <translation>Jouer les coups du presse-papiers, ou poser la position qu&apos;il contient</translation>
    </message>
    <message>
        <source>P&amp;lay moves…</source>
        <translation>&amp;Jouer des coups…</translation>
    </message>
    <message>
        <source>Type moves in cube notation and play them</source>
        <translation>Taper des coups en notation du cube et les jouer</translation>
    </message>
    <message>
        <source>Copy p&amp;osition</source>
        <translation>Copier la &amp;position</translation>
    </message>
    <message>
        <source>Copy the cube as 54 letters</source>
        <translation>Copier le cube en 54 lettres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to use Merlos</source>
        <translation>Comment utiliser Merlos</translation>
    </message>
    <message>
        <source>&amp;About Merlos</source>
        <translation>À &amp;propos de Merlos</translation>
    </message>
    <message>
        <source>Version, licence and the cube control loaded</source>
        <translation>Version, licence et contrôle du cube chargé</translation>
    </message>
    <message>
        <source>The log holds no moves to copy; the clipboard is empty.</source>
        <translation>Le journal ne contient aucun coup à copier&#xa0;; le presse-papiers est vide.</translation>
    </message>
    <message>
        <source>The log&apos;s turns cancel out: the cube is as it was, only held another way. The clipboard is empty.</source>
        <translation>Les tours du journal s&apos;annulent&#xa0;: le cube est comme avant, seulement tenu autrement. Le presse-papiers est vide.</translation>
    </message>
    <message>
        <source>Paste position</source>
        <translation>Coller la position</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z) brings the log back.</source>
        <translation>Annuler (Ctrl+Z) ramène le journal.</translation>
    </message>
    <message>
        <source>Paste moves</source>
        <translation>Coller des coups</translation>
    </message>
    <message>
        <source>&amp;Turns</source>
        <translation>&amp;Tours</translation>
    </message>
    <message>
        <source>&amp;Macros</source>
        <translation>&amp;Macros</translation>
    </message>
</context>
<context>
    <name>Merlo</name>
    <message>
        <source>Invalid list index %1</source>
        <translation>Indice de liste invalide %1</translation>
    </message>
    <message>
        <source>Reset and scramble</source>
        <translation>Réinitialiser et mélanger</translation>
    </message>
    <message>
        <source>Solving stages</source>
        <translation>Étapes de résolution</translation>
    </message>
    <message>
        <source>Move macros</source>
        <translation>Macros de coups</translation>
    </message>
    <message>
        <source>Column to turn</source>
        <translation>Colonne à tourner</translation>
    </message>
    <message>
        <source>Slice to turn</source>
        <translation>Tranche à tourner</translation>
    </message>
    <message>
        <source>Layer to turn</source>
        <translation>Couronne à tourner</translation>
    </message>
    <message>
        <source>Turn the whole cube up (x)</source>
        <translation>Tourner le cube entier vers le haut (x)</translation>
    </message>
    <message>
        <source>Turn the whole cube down (x&apos;)</source>
        <translation>Tourner le cube entier vers le bas (x&apos;)</translation>
    </message>
    <message>
        <source>Turn the whole cube left (y)</source>
        <translation>Tourner le cube entier vers la gauche (y)</translation>
    </message>
    <message>
        <source>Turn the whole cube right (y&apos;)</source>
        <translation>Tourner le cube entier vers la droite (y&apos;)</translation>
    </message>
    <message>
        <source>Reset the colours</source>
        <translation>Réinitialiser les couleurs</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Stage FaceH</source>
        <translation>Étape FaceH</translation>
    </message>
    <message>
        <source>Stage Arretes</source>
        <translation>Étape Arretes</translation>
    </message>
    <message>
        <source>Stage Coins</source>
        <translation>Étape Coins</translation>
    </message>
    <message>
        <source>Stage Zone M</source>
        <translation>Étape Zone M</translation>
    </message>
    <message>
        <source>Stage Face B</source>
        <translation>Étape Face B</translation>
    </message>
    <message>
        <source>Stage T</source>
        <translation>Étape T</translation>
    </message>
    <message>
        <source>Macro Ar</source>
        <translation>Macro Ar</translation>
    </message>
    <message>
        <source>Macro CG</source>
        <translation>Macro CG</translation>
    </message>
    <message>
        <source>Macro CD</source>
        <translation>Macro CD</translation>
    </message>
    <message>
        <source>Macro A</source>
        <translation>Macro A</translation>
    </message>
    <message>
        <source>Macro B</source>
        <translation>Macro B</translation>
    </message>
    <message>
        <source>Macro PA</source>
        <translation>Macro PA</translation>
    </message>
    <message>
        <source>Macro PC</source>
        <translation>Macro PC</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>Vider le journal</translation>
    </message>
    <message>
        <source>Undo one log line</source>
        <translation>Annuler une ligne du journal</translation>
    </message>
    <message>
        <source>Undo the whole log</source>
        <translation>Annuler tout le journal</translation>
    </message>
    <message>
        <source>Left column</source>
        <translation>Colonne de gauche</translation>
    </message>
    <message>
        <source>Middle column</source>
        <translation>Colonne du milieu</translation>
    </message>
    <message>
        <source>Right column</source>
        <translation>Colonne de droite</translation>
    </message>
    <message>
        <source>Back slice</source>
        <translation>Tranche arrière</translation>
    </message>
    <message>
        <source>Middle slice</source>
        <translation>Tranche du milieu</translation>
    </message>
    <message>
        <source>Front slice</source>
        <translation>Tranche avant</translation>
    </message>
    <message>
        <source>Top layer</source>
        <translation>Couronne du haut</translation>
    </message>
    <message>
        <source>Middle layer</source>
        <translation>Couronne du milieu</translation>
    </message>
    <message>
        <source>Bottom layer</source>
        <translation>Couronne du bas</translation>
    </message>
    <message>
        <source>Turn top layer right</source>
        <translation>Tourner la couronne du haut vers la droite</translation>
    </message>
    <message>
        <source>Turn top layer left</source>
        <translation>Tourner la couronne du haut vers la gauche</translation>
    </message>
    <message>
        <source>Turn middle layer right</source>
        <translation>Tourner la couronne du milieu vers la droite</translation>
    </message>
    <message>
        <source>Turn middle layer left</source>
        <translation>Tourner la couronne du milieu vers la gauche</translation>
    </message>
    <message>
        <source>Turn bottom layer right</source>
        <translation>Tourner la couronne du bas vers la droite</translation>
    </message>
    <message>
        <source>Turn bottom layer left</source>
        <translation>Tourner la couronne du bas vers la gauche</translation>
    </message>
    <message>
        <source>Turn left column up</source>
        <translation>Tourner la colonne de gauche vers le haut</translation>
    </message>
    <message>
        <source>Turn left column down</source>
        <translation>Tourner la colonne de gauche vers le bas</translation>
    </message>
    <message>
        <source>Turn middle column up</source>
        <translation>Tourner la colonne du milieu vers le haut</translation>
    </message>
    <message>
        <source>Turn middle column down</source>
        <translation>Tourner la colonne du milieu vers le bas</translation>
    </message>
    <message>
        <source>Turn right column up</source>
        <translation>Tourner la colonne de droite vers le haut</translation>
    </message>
    <message>
        <source>Turn right column down</source>
        <translation>Tourner la colonne de droite vers le bas</translation>
    </message>
    <message>
        <source>Turn front slice clockwise</source>
        <translation>Tourner la tranche avant dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn front slice anticlockwise</source>
        <translation>Tourner la tranche avant dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn middle slice clockwise</source>
        <translation>Tourner la tranche du milieu dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn middle slice anticlockwise</source>
        <translation>Tourner la tranche du milieu dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn back slice clockwise, seen from the front</source>
        <translation>Tourner la tranche arrière dans le sens horaire, vue de devant</translation>
    </message>
    <message>
        <source>Turn back slice anticlockwise, seen from the front</source>
        <translation>Tourner la tranche arrière dans le sens antihoraire, vue de devant</translation>
    </message>
    <message>
        <source>A 3x3x3 cube: turn its layers with the arrows or the keys of cube notation (U D E R L M F S B, Shift for the reverse; x and y turn the whole cube), scramble it, undo the log, or solve it stage by stage.</source>
        <translation>Un cube 3x3x3&#xa0;: tournez ses couronnes avec les flèches ou les touches de la notation du cube (U D E R L M F S B, Maj pour le sens inverse&#xa0;; x et y tournent le cube entier), mélangez-le, annulez le journal ou résolvez-le étape par étape.</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Lines in the log</source>
        <translation>Lignes du journal</translation>
    </message>
    <message>
        <source>Move log</source>
        <translation>Journal des coups</translation>
    </message>
    <message>
        <source>One line per turn, oldest first. Double-click a line to remove it from the log; the cube does not change.</source>
        <translation>Une ligne par tour, la plus ancienne en premier. Double-cliquez sur une ligne pour la retirer du journal&#xa0;; le cube ne change pas.</translation>
    </message>
    <message>
        <source>Move log: double-click a line to remove it (the cube stays)</source>
        <translation>Journal des coups&#xa0;: double-cliquez sur une ligne pour la retirer (le cube reste)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cannot run &quot;regocx32.exe cube.ocx&quot; in %1: %2</source>
        <translation>Impossible de lancer «&#xa0;regocx32.exe cube.ocx&#xa0;» dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unknown move &quot;%1&quot;</source>
        <translation>Coup inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Remove line</source>
        <translation>Retirer la ligne</translation>
    </message>
    <message>
        <source>The cube seen from above and in front: its top, front and right faces. Drag a row or a column to turn it; drag with the right button, or press Alt and an arrow, to look at the other faces.</source>
        <translation>Le cube vu de dessus et de face&#xa0;: ses faces du haut, de devant et de droite. Faites glisser une rangée ou une colonne pour la tourner&#xa0;; faites glisser avec le bouton droit, ou appuyez sur Alt et une flèche, pour regarder les autres faces.</translation>
    </message>
    <message>
        <source>The cube: drag a row or a column to turn it, drag with the right button to look around</source>
        <translation>Le cube&#xa0;: faites glisser une rangée ou une colonne pour la tourner, avec le bouton droit pour regarder autour</translation>
    </message>
</context>
<context>
    <name>Recuperation</name>
    <message>
        <source>Work cannot be kept for recovery in %1.</source>
        <translation>Le travail ne peut pas être gardé pour être récupéré dans %1.</translation>
    </message>
</context>
<context>
    <name>RegardCube</name>
    <message>
        <source>Look from the &amp;right</source>
        <translation>Regarder depuis la &amp;droite</translation>
    </message>
    <message>
        <source>Turn the view to the left, to see the right and back faces; the cube and the log stay as they are</source>
        <translation>Tourner la vue vers la gauche, pour voir les faces de droite et de l’arrière&#xa0;; le cube et le journal restent tels quels</translation>
    </message>
    <message>
        <source>Look from the &amp;left</source>
        <translation>Regarder depuis la &amp;gauche</translation>
    </message>
    <message>
        <source>Turn the view to the right, to see the left and back faces; the cube and the log stay as they are</source>
        <translation>Tourner la vue vers la droite, pour voir les faces de gauche et de l’arrière&#xa0;; le cube et le journal restent tels quels</translation>
    </message>
    <message>
        <source>Look from &amp;below</source>
        <translation>Regarder depuis le &amp;dessous</translation>
    </message>
    <message>
        <source>Turn the view up, to see the bottom face; the cube and the log stay as they are</source>
        <translation>Tourner la vue vers le haut, pour voir la face du bas&#xa0;; le cube et le journal restent tels quels</translation>
    </message>
    <message>
        <source>Look from &amp;above</source>
        <translation>Regarder depuis le d&amp;essus</translation>
    </message>
    <message>
        <source>Turn the view down, to see the top face; the cube and the log stay as they are</source>
        <translation>Tourner la vue vers le bas, pour voir la face du haut&#xa0;; le cube et le journal restent tels quels</translation>
    </message>
    <message>
        <source>Turn the cube anticlockwise (z′)</source>
        <translation>Tourner le cube dans le sens antihoraire (z′)</translation>
    </message>
    <message>
        <source>Turn the cube clockwise (&amp;z)</source>
        <translation>Tourner le cube dans le sens horaire (&amp;z)</translation>
    </message>
    <message>
        <source>The whole cube a quarter turn anticlockwise as you look at its front, logged as three whole-cube turns</source>
        <translation>Le cube entier d’un quart de tour dans le sens antihoraire vu de face, écrit au journal comme trois tours du cube entier</translation>
    </message>
    <message>
        <source>The whole cube a quarter turn clockwise as you look at its front, logged as three whole-cube turns</source>
        <translation>Le cube entier d’un quart de tour dans le sens horaire vu de face, écrit au journal comme trois tours du cube entier</translation>
    </message>
</context>
<context>
    <name>Reglages</name>
    <message>
        <source>the old settings file %1 cannot be read</source>
        <translation>l&apos;ancien fichier de réglages %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>le fichier de réglages %1 ne peut pas être écrit</translation>
    </message>
</context>
<context>
    <name>Relecture</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>Replay &amp;from here</source>
        <translation>Rejouer &amp;depuis ici</translation>
    </message>
    <message>
        <source>Step through the log from before the selected line</source>
        <translation>Parcourir le journal depuis avant la ligne choisie</translation>
    </message>
    <message>
        <source>Copy &amp;solution</source>
        <translation>Copier la solu&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Moves in the log</source>
        <translation>&amp;Coups dans le journal</translation>
    </message>
    <message>
        <source>Show each log line&apos;s move in cube notation before its text</source>
        <translation>Afficher le coup de chaque ligne du journal en notation du cube avant son texte</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Coup suivant</translation>
    </message>
    <message>
        <source>Where the replay stands</source>
        <translation>Où en est la relecture</translation>
    </message>
    <message>
        <source>Back to the start (Home)</source>
        <translation>Retour au début (Début)</translation>
    </message>
    <message>
        <source>One move back (Left)</source>
        <translation>Un coup en arrière (Gauche)</translation>
    </message>
    <message>
        <source>Play or pause (P)</source>
        <translation>Lire ou mettre en pause (P)</translation>
    </message>
    <message>
        <source>Next move (Right or Space)</source>
        <translation>Coup suivant (Droite ou Espace)</translation>
    </message>
    <message>
        <source>To the end (End)</source>
        <translation>À la fin (Fin)</translation>
    </message>
    <message>
        <source>Time a move while playing</source>
        <translation>Durée d&apos;un coup pendant la lecture</translation>
    </message>
    <message>
        <source>End the replay (Esc)</source>
        <translation>Terminer la relecture (Échap)</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Relecture</translation>
    </message>
    <message>
        <source>A command is still running: replay once it has finished.</source>
        <translation>Une commande est encore en cours&#xa0;: rejouez une fois qu&apos;elle est finie.</translation>
    </message>
    <message>
        <source>The log holds no moves to replay.</source>
        <translation>Le journal ne contient aucun coup à rejouer.</translation>
    </message>
    <message>
        <source>No moves from this line on to replay.</source>
        <translation>Aucun coup à rejouer à partir de cette ligne.</translation>
    </message>
    <message>
        <source>end of the log</source>
        <translation>fin du journal</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s) replayed</source>
        <translation>
            <numerusform>%n coup rejoué</numerusform>
            <numerusform>%n coups rejoués</numerusform>
        </translation>
    </message>
    <message>
        <source>The cube is as the log leaves it. → or Esc ends the replay.</source>
        <translation>Le cube est tel que le journal le laisse. → ou Échap termine la relecture.</translation>
    </message>
    <message>
        <source>move %1 of %2</source>
        <translation>coup %1 sur %2</translation>
    </message>
    <message>
        <source>Select the log line to replay from, then choose &quot;Replay from here&quot;.</source>
        <translation>Choisissez la ligne du journal d&apos;où rejouer, puis «&#xa0;Rejouer depuis ici&#xa0;».</translation>
    </message>
    <message>
        <source>No moves were made since the cube was last scrambled or pasted.</source>
        <translation>Aucun coup n&apos;a été fait depuis le dernier mélange ou collage du cube.</translation>
    </message>
    <message numerus="yes">
        <source>Copied the solution since the last scramble: %n move(s), one part a line.</source>
        <translation>
            <numerusform>Solution depuis le dernier mélange copiée&#xa0;: %n coup, une partie par ligne.</numerusform>
            <numerusform>Solution depuis le dernier mélange copiée&#xa0;: %n coups, une partie par ligne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Pasted moves</source>
        <translation>Coups collés</translation>
    </message>
    <message>
        <source>Short solve</source>
        <translation>Résolution courte</translation>
    </message>
    <message>
        <source>%1 (%2 of 5): %3, step %4 of %5</source>
        <translation>%1 (%2 sur 5)&#xa0;: %3, pas %4 sur %5</translation>
    </message>
    <message>
        <source>%1: %2, step %3 of %4</source>
        <translation>%1&#xa0;: %2, pas %3 sur %4</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, pas %2 sur %3</translation>
    </message>
    <message>
        <source>by hand</source>
        <translation>à la main</translation>
    </message>
    <message>
        <source>How to hold the cube</source>
        <translation>Comment tenir le cube</translation>
    </message>
    <message>
        <source>The cube is as the solution leaves it, held as it started. → or Esc ends the replay.</source>
        <translation>Le cube est tel que la solution le laisse, tenu comme au début. → ou Échap termine la relecture.</translation>
    </message>
    <message>
        <source>Hold the cube %1.</source>
        <translation>Tenez le cube %1.</translation>
    </message>
    <message>
        <source>Step through the solution on the cube, move by move, as Copy solution copies it</source>
        <translation>Parcourir la solution sur le cube, coup par coup, telle que Copier la solution la copie</translation>
    </message>
    <message>
        <source>Copy what was done since the last scramble or paste as moves to make holding the cube still, one part a line, each after how to hold the cube</source>
        <translation>Copier ce qui a été fait depuis le dernier mélange ou collage en coups à faire sans tourner le cube dans les mains, une partie par ligne, chacune après la façon de tenir le cube</translation>
    </message>
    <message>
        <source>Replay the log as &amp;written</source>
        <translation>Rejouer le journal tel qu&apos;&amp;écrit</translation>
    </message>
    <message>
        <source>Replay every line of the log, whole-cube turns included, instead of the moves to make holding the cube still</source>
        <translation>Rejouer chaque ligne du journal, rotations du cube entier comprises, au lieu des coups à faire sans tourner le cube dans les mains</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>%1 on top, %2 in front</source>
        <translation>%1 en haut, %2 devant</translation>
    </message>
    <message numerus="yes">
        <source>The cube is solved: %n move(s).</source>
        <translation>
            <numerusform>Le cube est résolu&#xa0;: %n coup.</numerusform>
            <numerusform>Le cube est résolu&#xa0;: %n coups.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResolutionCourte</name>
    <message>
        <source>Solve in few moves</source>
        <translation>Résoudre en peu de coups</translation>
    </message>
    <message>
        <source>Solve in few moves (Ctrl+Shift+S)</source>
        <translation>Résoudre en peu de coups (Ctrl+Maj+S)</translation>
    </message>
    <message>
        <source>Finds a solution of at most 20 moves for the cube as it stands and plays it</source>
        <translation>Trouve une solution d&apos;au plus 20 coups pour le cube tel qu&apos;il est et la joue</translation>
    </message>
    <message>
        <source>This cube cannot be solved: its pieces are not those of a real cube.</source>
        <translation>Ce cube ne peut pas être résolu&#xa0;: ses pièces ne sont pas celles d&apos;un vrai cube.</translation>
    </message>
    <message>
        <source>The cube is already solved.</source>
        <translation>Le cube est déjà résolu.</translation>
    </message>
    <message>
        <source>Looking for a short solution…</source>
        <translation>Recherche d&apos;une solution courte…</translation>
    </message>
    <message>
        <source>Preparing the solver&apos;s tables (the first time only), then looking for a short solution…</source>
        <translation>Préparation des tables du solveur (la première fois seulement), puis recherche d&apos;une solution courte…</translation>
    </message>
    <message>
        <source>The solver&apos;s tables could not be saved in %1 (%2); they are kept in memory only.</source>
        <translation>Les tables du solveur n&apos;ont pas pu être enregistrées dans %1 (%2)&#xa0;; elles ne sont gardées qu&apos;en mémoire.</translation>
    </message>
    <message>
        <source>No short solution was found.</source>
        <translation>Aucune solution courte n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>The cube was turned during the search, so nothing was played. Press again to solve it as it is now.</source>
        <translation>Le cube a été tourné pendant la recherche, donc rien n&apos;a été joué. Appuyez de nouveau pour le résoudre tel qu&apos;il est maintenant.</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n move(s), the fewest possible.</source>
        <translation>
            <numerusform>Résolu en %n coup, le moins possible.</numerusform>
            <numerusform>Résolu en %n coups, le moins possible.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n move(s).</source>
        <translation>
            <numerusform>Résolu en %n coup.</numerusform>
            <numerusform>Résolu en %n coups.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaisieMouvements</name>
    <message>
        <source>Play moves</source>
        <translation>Jouer des coups</translation>
    </message>
    <message>
        <source>&amp;Moves in cube notation, as R U R&apos; U&apos; or (R U R&apos; U&apos;)3:</source>
        <translation>&amp;Coups en notation du cube, comme R U R&apos; U&apos; ou (R U R&apos; U&apos;)3&#xa0;:</translation>
    </message>
    <message>
        <source>Moves to play</source>
        <translation>Coups à jouer</translation>
    </message>
    <message>
        <source>What the moves make</source>
        <translation>Ce que donnent les coups</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Type moves, then press Enter to play them.</source>
        <translation>Tapez des coups, puis appuyez sur Entrée pour les jouer.</translation>
    </message>
    <message>
        <source>No moves to play.</source>
        <translation>Aucun coup à jouer.</translation>
    </message>
    <message numerus="yes">
        <source>%n quarter turn(s): Enter plays them.</source>
        <translation>
            <numerusform>%n quart de tour&#xa0;: Entrée le joue.</numerusform>
            <numerusform>%n quarts de tour&#xa0;: Entrée les joue.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SixFaces</name>
    <message>
        <source>All &amp;six faces</source>
        <translation>Les &amp;six faces</translation>
    </message>
    <message>
        <source>Show the cube unfolded beside its picture: all six faces, each named, as it stands</source>
        <translation>Montrer le cube déplié à côté de son image&#xa0;: les six faces, chacune nommée, tel qu’il est</translation>
    </message>
</context>
<context>
    <name>TableCommandes</name>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Cube</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résolution</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
</context>
<context>
    <name>VueFaces</name>
    <message>
        <source>All six faces</source>
        <translation>Les six faces</translation>
    </message>
    <message>
        <source>The cube unfolded: the top above the front; the left, front, right and back faces in a row; the bottom below the front.</source>
        <translation>Le cube déplié&#xa0;: le haut au-dessus du devant&#xa0;; la gauche, le devant, la droite et l’arrière en ligne&#xa0;; le bas sous le devant.</translation>
    </message>
    <message>
        <source>All six faces, unfolded as the cube stands: top above, bottom below the front</source>
        <translation>Les six faces, dépliées telles qu’elles sont&#xa0;: le haut au-dessus, le bas sous le devant</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Devant</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>merlos-solve</name>
    <message>
        <source>loaded from %1</source>
        <translation>chargées depuis %1</translation>
    </message>
    <message>
        <source>built, for %1</source>
        <translation>construites, pour %1</translation>
    </message>
    <message numerus="yes">
        <source>no solution of at most %n move(s) found in %1 ms</source>
        <translation>
            <numerusform>aucune solution d&apos;au plus %n coup trouvée en %1 ms</numerusform>
            <numerusform>aucune solution d&apos;au plus %n coups trouvée en %1 ms</numerusform>
        </translation>
    </message>
    <message>
        <source>--max-moves takes a number of moves from 0 to 30, not &apos;%1&apos;</source>
        <translation>--max-moves prend un nombre de coups de 0 à 30, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--time-limit takes a number of milliseconds, 0 or more, not &apos;%1&apos;</source>
        <translation>--time-limit prend un nombre de millisecondes, 0 ou plus, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot write the tables&apos; cache %1 (%2); keeping them in memory only</source>
        <translation>impossible d&apos;écrire le cache des tables %1 (%2)&#xa0;; elles restent en mémoire seulement</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>solved %1 of %n</source>
        <translation>
            <numerusform>résolus&#xa0;: %1 sur %n</numerusform>
            <numerusform>résolus&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>moves: min %1, median %2, max %3</source>
        <translation>coups&#xa0;: min %1, médiane %2, max %3</translation>
    </message>
    <message>
        <source>time per solve: min %1 ms, median %2 ms, max %3 ms</source>
        <translation>temps par résolution&#xa0;: min %1 ms, médiane %2 ms, max %3 ms</translation>
    </message>
    <message>
        <source>tables: %1 in %2 ms</source>
        <translation>tables&#xa0;: %1 en %2 ms</translation>
    </message>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>usage: merlos-solve [-h] [-V] [--max-moves N] [--time-limit MS] [--stats] [--] [TEXT | -]...</source>
        <translation>usage&#xa0;: merlos-solve [-h] [-V] [--max-moves N] [--time-limit MS] [--stats] [--] [TEXT | -]...</translation>
    </message>
    <message>
        <source>Each answer is one line on standard output, empty for a solved cube or a text that could not be
solved; standard error says why, naming the argument or the line of standard input.
Exit status: 0 when every text was solved, 1 when one was not or reading or writing failed,
2 for bad usage. See merlos-solve(1).
</source>
        <translation>Chaque réponse est une ligne de la sortie standard, vide pour un cube résolu ou un texte qui n&apos;a
pas pu être résolu&#xa0;; la sortie d&apos;erreur dit pourquoi, en nommant l&apos;argument ou la ligne de l&apos;entrée.
Code de retour&#xa0;: 0 quand chaque texte a été résolu, 1 quand l&apos;un ne l&apos;a pas été ou qu&apos;une lecture ou
une écriture a échoué, 2 pour un mauvais usage. Voir merlos-solve(1).
</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Affiche cette aide et termine.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Affiche la version et termine.</translation>
    </message>
    <message>
        <source>The longest solution wanted, 0 to 30 (default 20: every cube has one).</source>
        <translation>La plus longue solution voulue, de 0 à 30 coups (20 par défaut&#xa0;: chaque cube en a une).</translation>
    </message>
    <message>
        <source>How long to go on looking for shorter solutions of each text, in milliseconds (default 100; 0 stops at the first).</source>
        <translation>Combien de temps chercher encore des solutions plus courtes pour chaque texte, en millisecondes (100 par défaut&#xa0;; 0 s&apos;arrête à la première).</translation>
    </message>
    <message>
        <source>At the end, write to standard error how many were solved, their moves and times, and how the tables were made ready.</source>
        <translation>À la fin, écrit sur la sortie d&apos;erreur combien ont été résolus, leurs coups et leurs temps, et comment les tables ont été préparées.</translation>
    </message>
    <message>
        <source>A cube: moves in cube notation, made from a solved cube, or a position of 54 letters. &apos;-&apos; reads standard input, one text a line, as no TEXT at all does. &apos;--&apos; ends the options: a TEXT after it may start with &apos;-&apos;.</source>
        <translation>Un cube&#xa0;: des coups en notation du cube, faits depuis un cube résolu, ou une position de 54 lettres. «&#xa0;-&#xa0;» lit l&apos;entrée standard, un texte par ligne, comme l&apos;absence de TEXT. «&#xa0;--&#xa0;» termine les options&#xa0;: un TEXT qui le suit peut commencer par «&#xa0;-&#xa0;».</translation>
    </message>
    <message>
        <source>HOME is not set: the tables&apos; cache is %1</source>
        <translation>HOME n&apos;est pas défini&#xa0;: le cache des tables est %1</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>argument %1, line %2, column %3: %4</source>
        <translation>argument %1, ligne %2, colonne %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>argument %1, column %2: %3</source>
        <translation>argument %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>argument %1: %2</source>
        <translation>argument %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>UTF-8 non valide</translation>
    </message>
    <message>
        <source>longer than %1 bytes; not read</source>
        <translation>plus de %1 octets&#xa0;; non lue</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>impossible de lire l&apos;entrée standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Solves 3×3×3 cubes in few moves: for each TEXT, writes one line of face turns that solve it.</source>
        <translation>Résout des cubes 3×3×3 en peu de coups&#xa0;: pour chaque TEXT, écrit une ligne de mouvements de faces qui le résolvent.</translation>
    </message>
    <message>
        <source>no folder for the tables&apos; cache (%1); keeping them in memory only</source>
        <translation>pas de dossier pour le cache des tables (%1)&#xa0;; elles restent en mémoire seulement</translation>
    </message>
    <message>
        <source>the tables&apos; cache %1 was not used (%2); building the tables again</source>
        <translation>le cache des tables %1 n&apos;a pas servi (%2)&#xa0;; les tables sont refaites</translation>
    </message>
    <message>
        <source>the tables from %1 failed a search (%2); building them again</source>
        <translation>les tables de %1 ont fait échouer une recherche (%2)&#xa0;; elles sont refaites</translation>
    </message>
    <message>
        <source>still searching for at most %1 moves, first phase of %2, %3 s</source>
        <translation>recherche toujours en cours, au plus %1 coups, première phase de %2, %3 s</translation>
    </message>
</context>
<context>
    <name>notation</name>
    <message>
        <source>&apos;)&apos; has no &apos;(&apos; to close</source>
        <translation>«&#xa0;)&#xa0;» ne ferme aucune «&#xa0;(&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;]&apos; has no &apos;[&apos; to close</source>
        <translation>«&#xa0;]&#xa0;» ne ferme aucun «&#xa0;[&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; belongs inside &apos;[ ]&apos;</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a sa place qu&apos;entre «&#xa0;[ ]&#xa0;»</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the moves make more than %1 quarter turns</source>
        <translation>les coups font plus de %1 quarts de tour</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a move</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un coup</translation>
    </message>
    <message>
        <source>a repeat count starts at 1</source>
        <translation>un nombre de répétitions commence à 1</translation>
    </message>
    <message>
        <source>more than %1 brackets inside one another</source>
        <translation>plus de %1 parenthèses ou crochets l&apos;un dans l&apos;autre</translation>
    </message>
    <message>
        <source>&apos;(&apos; is never closed</source>
        <translation>«&#xa0;(&#xa0;» n&apos;est jamais fermée</translation>
    </message>
    <message>
        <source>&apos;%1&apos; where &apos;)&apos; should close the &apos;(&apos;</source>
        <translation>«&#xa0;%1&#xa0;» là où «&#xa0;)&#xa0;» devrait fermer la «&#xa0;(&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;[&apos; is never closed</source>
        <translation>«&#xa0;[&#xa0;» n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>&apos;%1&apos; where &apos;[&apos; needs &apos;,&apos; (a commutator) or &apos;:&apos; (a conjugate)</source>
        <translation>«&#xa0;%1&#xa0;» là où «&#xa0;[&#xa0;» demande «&#xa0;,&#xa0;» (un commutateur) ou «&#xa0;:&#xa0;» (un conjugué)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; where &apos;]&apos; should close the &apos;[&apos;</source>
        <translation>«&#xa0;%1&#xa0;» là où «&#xa0;]&#xa0;» devrait fermer le «&#xa0;[&#xa0;»</translation>
    </message>
    <message>
        <source>the text is longer than %1 characters</source>
        <translation>le texte dépasse %1 caractères</translation>
    </message>
    <message>
        <source>top front right</source>
        <translation>en haut devant à droite</translation>
    </message>
    <message>
        <source>top front left</source>
        <translation>en haut devant à gauche</translation>
    </message>
    <message>
        <source>top back left</source>
        <translation>en haut derrière à gauche</translation>
    </message>
    <message>
        <source>top back right</source>
        <translation>en haut derrière à droite</translation>
    </message>
    <message>
        <source>bottom front right</source>
        <translation>en bas devant à droite</translation>
    </message>
    <message>
        <source>bottom front left</source>
        <translation>en bas devant à gauche</translation>
    </message>
    <message>
        <source>bottom back left</source>
        <translation>en bas derrière à gauche</translation>
    </message>
    <message>
        <source>bottom back right</source>
        <translation>en bas derrière à droite</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>top front</source>
        <translation>en haut devant</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top back</source>
        <translation>en haut derrière</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>bottom front</source>
        <translation>en bas devant</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom back</source>
        <translation>en bas derrière</translation>
    </message>
    <message>
        <source>front right</source>
        <translation>devant à droite</translation>
    </message>
    <message>
        <source>front left</source>
        <translation>devant à gauche</translation>
    </message>
    <message>
        <source>back left</source>
        <translation>derrière à gauche</translation>
    </message>
    <message>
        <source>back right</source>
        <translation>derrière à droite</translation>
    </message>
    <message>
        <source>top (U)</source>
        <translation>du haut (U)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>de droite (R)</translation>
    </message>
    <message>
        <source>front (F)</source>
        <translation>de devant (F)</translation>
    </message>
    <message>
        <source>bottom (D)</source>
        <translation>du bas (D)</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>de gauche (L)</translation>
    </message>
    <message>
        <source>back (B)</source>
        <translation>de derrière (B)</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>the corner at %1</source>
        <translation>le coin %1</translation>
    </message>
    <message>
        <source>the edge at %1</source>
        <translation>l&apos;arête %1</translation>
    </message>
    <message>
        <source>square %1 of the %2</source>
        <translation>la case %1 de la face %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 has no colour a cube has.</source>
        <translation>%1 a une couleur qu&apos;aucun cube n&apos;a.</translation>
    </message>
    <message>
        <source>%1 is on %2 squares; every colour is on exactly nine.</source>
        <translation>%1&#xa0;: sur %2 cases&#xa0;; chaque couleur est sur neuf cases exactement.</translation>
    </message>
    <message>
        <source>%1 is on only %2 squares; every colour is on exactly nine.</source>
        <translation>%1&#xa0;: sur %2 cases seulement&#xa0;; chaque couleur est sur neuf cases exactement.</translation>
    </message>
    <message>
        <source>The centres of the %1 and the %2 are both %3: the six centres have six different colours.</source>
        <translation>Les centres de la face %1 et de la face %2 sont tous deux de couleur %3&#xa0;: les six centres ont six couleurs différentes.</translation>
    </message>
    <message>
        <source>The %1 and %2 centres face each other; on a cube white faces yellow, green faces blue and red faces orange.</source>
        <translation>Les centres %1 et %2 se font face&#xa0;; sur un cube, le blanc fait face au jaune, le vert au bleu et le rouge à l&apos;orange.</translation>
    </message>
    <message>
        <source>The centres are a mirror image of a cube&apos;s: held with white up and green in front, a cube has red on the right.</source>
        <translation>Les centres sont l&apos;image d&apos;un cube dans un miroir&#xa0;: tenu blanc en haut et vert devant, un cube a le rouge à droite.</translation>
    </message>
    <message>
        <source>%1 has %2, %3 and %4: one colour twice</source>
        <translation>%1 porte %2, %3 et %4&#xa0;: une couleur deux fois</translation>
    </message>
    <message>
        <source>%1 has %2, %3 and %4: two colours of opposite faces never meet on a piece</source>
        <translation>%1 porte %2, %3 et %4&#xa0;: deux couleurs de faces opposées ne se trouvent jamais sur une même pièce</translation>
    </message>
    <message>
        <source>%1 has %2, %3 and %4 the wrong way round: no corner has them in that order</source>
        <translation>%1 porte %2, %3 et %4 dans le mauvais sens&#xa0;: aucun coin ne les a dans cet ordre</translation>
    </message>
    <message>
        <source>%1 is %2 on both squares: an edge has two colours</source>
        <translation>%1 est %2 sur ses deux cases&#xa0;: une arête a deux couleurs</translation>
    </message>
    <message>
        <source>%1 has %2 and %3: colours of opposite faces never meet on a piece</source>
        <translation>%1 porte %2 et %3&#xa0;: des couleurs de faces opposées ne se trouvent jamais sur une même pièce</translation>
    </message>
    <message>
        <source>A corner is twisted: the corners&apos; turns do not add up. Turn one corner in place by a third of a turn.</source>
        <translation>Un coin est vrillé&#xa0;: les rotations des coins ne tombent pas juste. Tournez un coin sur place d&apos;un tiers de tour.</translation>
    </message>
    <message>
        <source>An edge is flipped: one edge is the wrong way round. Turn one edge over.</source>
        <translation>Une arête est retournée&#xa0;: une arête est dans le mauvais sens. Retournez une arête.</translation>
    </message>
    <message>
        <source>Two pieces are swapped: no turns of a cube exchange just two pieces. Swap two edges or two corners back.</source>
        <translation>Deux pièces sont échangées&#xa0;: aucun mouvement d&apos;un cube n&apos;échange seulement deux pièces. Échangez de nouveau deux arêtes ou deux coins.</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>sans couleur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A position has 54 letters, nine for each face; this one has %1.</source>
        <translation>Une position a 54 lettres, neuf par face&#xa0;; celle-ci en a %1.</translation>
    </message>
    <message>
        <source>Letter %1 (%2) is &apos;%3&apos;: a position names faces by U, R, F, D, L and B.</source>
        <translation>La lettre %1 (%2) est «&#xa0;%3&#xa0;»&#xa0;: une position nomme les faces par U, R, F, D, L et B.</translation>
    </message>
    <message>
        <source>The centre of the %1 reads %2: each face&apos;s centre names that face.</source>
        <translation>Le centre de la face %1 porte %2&#xa0;: le centre de chaque face nomme cette face.</translation>
    </message>
    <message numerus="yes">
        <source>The %1 corner is on the cube %n times (at %2); every piece is there once.</source>
        <translation>
            <numerusform>Le coin %1 est %n fois sur le cube (%2)&#xa0;; chaque pièce n&apos;y est qu&apos;une fois.</numerusform>
            <numerusform>Le coin %1 est %n fois sur le cube (%2)&#xa0;; chaque pièce n&apos;y est qu&apos;une fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 edge is on the cube %n times (at %2); every piece is there once.</source>
        <translation>
            <numerusform>L&apos;arête %1 est %n fois sur le cube (%2)&#xa0;; chaque pièce n&apos;y est qu&apos;une fois.</numerusform>
            <numerusform>L&apos;arête %1 est %n fois sur le cube (%2)&#xa0;; chaque pièce n&apos;y est qu&apos;une fois.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n square(s) have no colour yet.</source>
        <translation>
            <numerusform>%n case n&apos;a pas encore de couleur.</numerusform>
            <numerusform>%n cases n&apos;ont pas encore de couleur.</numerusform>
        </translation>
    </message>
    <message>
        <source>top face, anticlockwise</source>
        <translation>face du haut, sens antihoraire</translation>
    </message>
    <message>
        <source>top face, clockwise</source>
        <translation>face du haut, sens horaire</translation>
    </message>
    <message>
        <source>middle layer, front to the right</source>
        <translation>couronne du milieu, devant vers la droite</translation>
    </message>
    <message>
        <source>middle layer, front to the left</source>
        <translation>couronne du milieu, devant vers la gauche</translation>
    </message>
    <message>
        <source>bottom face, clockwise</source>
        <translation>face du bas, sens horaire</translation>
    </message>
    <message>
        <source>bottom face, anticlockwise</source>
        <translation>face du bas, sens antihoraire</translation>
    </message>
    <message>
        <source>left face, anticlockwise</source>
        <translation>face de gauche, sens antihoraire</translation>
    </message>
    <message>
        <source>left face, clockwise</source>
        <translation>face de gauche, sens horaire</translation>
    </message>
    <message>
        <source>middle column, front up</source>
        <translation>colonne du milieu, devant vers le haut</translation>
    </message>
    <message>
        <source>middle column, front down</source>
        <translation>colonne du milieu, devant vers le bas</translation>
    </message>
    <message>
        <source>right face, clockwise</source>
        <translation>face de droite, sens horaire</translation>
    </message>
    <message>
        <source>right face, anticlockwise</source>
        <translation>face de droite, sens antihoraire</translation>
    </message>
    <message>
        <source>front face, clockwise</source>
        <translation>face de devant, sens horaire</translation>
    </message>
    <message>
        <source>front face, anticlockwise</source>
        <translation>face de devant, sens antihoraire</translation>
    </message>
    <message>
        <source>middle slice, clockwise seen from the front</source>
        <translation>tranche du milieu, sens horaire vu de devant</translation>
    </message>
    <message>
        <source>middle slice, anticlockwise seen from the front</source>
        <translation>tranche du milieu, sens antihoraire vu de devant</translation>
    </message>
    <message>
        <source>back face, anticlockwise</source>
        <translation>face de derrière, sens antihoraire</translation>
    </message>
    <message>
        <source>back face, clockwise</source>
        <translation>face de derrière, sens horaire</translation>
    </message>
    <message>
        <source>whole cube, front to the top</source>
        <translation>cube entier, devant vers le haut</translation>
    </message>
    <message>
        <source>whole cube, front to the bottom</source>
        <translation>cube entier, devant vers le bas</translation>
    </message>
    <message>
        <source>whole cube, front to the left</source>
        <translation>cube entier, devant vers la gauche</translation>
    </message>
    <message>
        <source>whole cube, front to the right</source>
        <translation>cube entier, devant vers la droite</translation>
    </message>
    <message>
        <source>top face, half turn</source>
        <translation>face du haut, demi-tour</translation>
    </message>
    <message>
        <source>middle layer, half turn</source>
        <translation>couronne du milieu, demi-tour</translation>
    </message>
    <message>
        <source>bottom face, half turn</source>
        <translation>face du bas, demi-tour</translation>
    </message>
    <message>
        <source>left face, half turn</source>
        <translation>face de gauche, demi-tour</translation>
    </message>
    <message>
        <source>middle column, half turn</source>
        <translation>colonne du milieu, demi-tour</translation>
    </message>
    <message>
        <source>right face, half turn</source>
        <translation>face de droite, demi-tour</translation>
    </message>
    <message>
        <source>front face, half turn</source>
        <translation>face de devant, demi-tour</translation>
    </message>
    <message>
        <source>middle slice, half turn</source>
        <translation>tranche du milieu, demi-tour</translation>
    </message>
    <message>
        <source>back face, half turn</source>
        <translation>face de derrière, demi-tour</translation>
    </message>
</context>
</TS>
