<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Advisories</name>
    <message>
        <source>Front axle not connected.</source>
        <translation>Essieu avant non relié.</translation>
    </message>
    <message>
        <source>Some parts are floating.</source>
        <translation>Certaines pièces flottent.</translation>
    </message>
    <message>
        <source>Spring case is not connected.</source>
        <translation>Le boîtier du ressort n’est pas relié.</translation>
    </message>
    <message>
        <source>Spring case not connected.</source>
        <translation>Boîtier du ressort non relié.</translation>
    </message>
    <message>
        <source>Spring cases interfere.</source>
        <translation>Les boîtiers des ressorts se chevauchent.</translation>
    </message>
    <message>
        <source>Car overlaps paper edge.</source>
        <translation>La voiture dépasse du bord de la feuille.</translation>
    </message>
    <message>
        <source>Skid advisory.</source>
        <translation>Avertissement : les roues patinent.</translation>
    </message>
    <message>
        <source>No car body drawn.</source>
        <translation>Aucune caisse dessinée.</translation>
    </message>
    <message>
        <source>Spring gives no revolutions.</source>
        <translation>Le ressort ne donne aucun tour.</translation>
    </message>
    <message>
        <source>Car weighs less than 0.01 lb.</source>
        <translation>La voiture pèse moins de 0.01 lb.</translation>
    </message>
    <message>
        <source>Axles less than 0.1 in apart.</source>
        <translation>Essieux à moins de 0.1 in l’un de l’autre.</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <source>the element size must be a whole number of points</source>
        <translation>la taille de l’élément doit être un nombre entier de points</translation>
    </message>
</context>
<context>
    <name>BuildView3D</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>CalibrateCommand</name>
    <message>
        <source>calibrate needs FOLDER and --track</source>
        <translation>calibrate a besoin de FOLDER et de --track</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>« %1 » n’est pas un dossier</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>unknown rule &quot;%1&quot;; the rules are: %2</source>
        <translation>règle inconnue « %1 » ; les règles sont : %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; takes no value</source>
        <translation>la règle « %1 » ne prend pas de valeur</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs &lt;=, &gt;= or = and a number</source>
        <translation>la règle « %1 » a besoin de &lt;=, &gt;= ou = et d’un nombre</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and one of: %2</source>
        <translation>la règle « %1 » a besoin de = et de l’un de : %2</translation>
    </message>
    <message>
        <source>the rule &quot;%1&quot; needs = and a material&apos;s name</source>
        <translation>la règle « %1 » a besoin de = et du nom d’un matériau</translation>
    </message>
</context>
<context>
    <name>ChallengeCheck</name>
    <message>
        <source>%1: not known for this car</source>
        <translation>%1 : inconnue pour cette voiture</translation>
    </message>
    <message>
        <source>%1 %2: within the %3 limit</source>
        <translation>%1 %2 : dans la limite de %3</translation>
    </message>
    <message>
        <source>%1 %2: over the %3 limit</source>
        <translation>%1 %2 : au-dessus de la limite de %3</translation>
    </message>
    <message>
        <source>%1 %2: at least the %3 minimum</source>
        <translation>%1 %2 : au moins le minimum de %3</translation>
    </message>
    <message>
        <source>%1 %2: under the %3 minimum</source>
        <translation>%1 %2 : sous le minimum de %3</translation>
    </message>
    <message>
        <source>%1 %2: the %3 asked for</source>
        <translation>%1 %2 : les %3 demandés</translation>
    </message>
    <message>
        <source>%1 %2: not the %3 asked for</source>
        <translation>%1 %2 : pas les %3 demandés</translation>
    </message>
    <message>
        <source>%1 %2: allowed</source>
        <translation>%1 %2 : autorisé</translation>
    </message>
    <message>
        <source>%1 %2: not allowed (%3)</source>
        <translation>%1 %2 : pas autorisé (%3)</translation>
    </message>
    <message>
        <source>Skid advisory: the drive wheels skid</source>
        <translation>Avertissement : les roues motrices patinent</translation>
    </message>
    <message>
        <source>No skid advisory</source>
        <translation>Aucun avertissement de patinage</translation>
    </message>
    <message>
        <source>Reaches 15 ft in %1 s</source>
        <translation>Atteint 15 ft en %1 s</translation>
    </message>
    <message>
        <source>Stops short of 15 ft, at %1 ft</source>
        <translation>S’arrête avant 15 ft, à %1 ft</translation>
    </message>
    <message>
        <source>Does not reach 15 ft: the model cannot run this car</source>
        <translation>N’atteint pas 15 ft : le modèle ne peut pas faire rouler cette voiture</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Body length</source>
        <translation>Longueur de la carrosserie</translation>
    </message>
    <message>
        <source>Body height</source>
        <translation>Hauteur de la carrosserie</translation>
    </message>
    <message>
        <source>Drive wheel</source>
        <translation>Roue motrice</translation>
    </message>
    <message>
        <source>Other wheel</source>
        <translation>Autre roue</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Couches</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Longueur du ressort</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Largeur du ressort</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
</context>
<context>
    <name>ChallengeChecklist</name>
    <message>
        <source>All rules kept.</source>
        <translation>Toutes les règles sont respectées.</translation>
    </message>
    <message>
        <source>1 rule broken.</source>
        <translation>1 règle enfreinte.</translation>
    </message>
    <message>
        <source>%1 rules broken.</source>
        <translation>%1 règles enfreintes.</translation>
    </message>
    <message>
        <source>Challenge checklist</source>
        <translation>Liste de contrôle du défi</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>Checked as the design stands.</source>
        <translation>Vérifié sur le modèle tel qu’il est.</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Checked in Design mode.</source>
        <translation>Vérifié en mode Conception.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation>Respectée : %1</translation>
    </message>
    <message>
        <source>Broken: %1</source>
        <translation>Enfreinte : %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>Ne peut pas rouler : %1</translation>
    </message>
</context>
<context>
    <name>ChallengeCommand</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 a besoin d’une valeur</translation>
    </message>
    <message>
        <source>--scoring is time, distance, target:SECONDS or efficiency, not &quot;%1&quot;</source>
        <translation>--scoring vaut time, distance, target:SECONDS ou efficiency, pas « %1 »</translation>
    </message>
    <message>
        <source>--rubric takes a weight of 0 or more, a colon and the row&apos;s text, not &quot;%1&quot;</source>
        <translation>--rubric prend un poids de 0 ou plus, deux-points et le texte de la ligne, pas « %1 »</translation>
    </message>
    <message>
        <source>%1 exists already; add --force to replace it</source>
        <translation>%1 existe déjà ; ajoute --force pour le remplacer</translation>
    </message>
</context>
<context>
    <name>ChallengeView</name>
    <message>
        <source>Open C&amp;hallenge...</source>
        <translation>Ouvrir un dé&amp;fi...</translation>
    </message>
    <message>
        <source>Close Challen&amp;ge</source>
        <translation>Fermer le dé&amp;fi</translation>
    </message>
    <message>
        <source>Ne&amp;w Challenge...</source>
        <translation>Nouveau dé&amp;fi...</translation>
    </message>
    <message>
        <source>Ed&amp;it Challenge...</source>
        <translation>Mod&amp;ifier le défi...</translation>
    </message>
    <message>
        <source>Open Challenge</source>
        <translation>Ouvrir un défi</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
</context>
<context>
    <name>ChartViews</name>
    <message>
        <source>Simulate the design to see the charts of its run.</source>
        <translation>Simule le modèle pour voir les graphiques de sa course.</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to chart.</source>
        <translation>Cette voiture ne peut pas rouler : il n’y a pas de course à tracer.</translation>
    </message>
    <message>
        <source>Simulate the design to see where its spring&apos;s energy went.</source>
        <translation>Simule le modèle pour voir où est passée l’énergie de son ressort.</translation>
    </message>
    <message>
        <source>A car design appears on the race chart if it has been Simulated since its last design change.</source>
        <translation>Un modèle apparaît sur le graphique de la compétition s’il a été simulé depuis sa dernière modification.</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Graphiques de la course</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Graphique de la compétition</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
</context>
<context>
    <name>ClassStandings</name>
    <message>
        <source>Cannot open &quot;%1&quot;: the design list is full</source>
        <translation>Impossible d’ouvrir « %1 » : la liste des modèles est pleine</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>%1 needs a file name ending in .png, .svg or .pdf, not &quot;%2&quot;</source>
        <translation>%1 a besoin d’un nom de fichier finissant par .png, .svg ou .pdf, pas « %2 »</translation>
    </message>
    <message>
        <source>Cannot draw the chart for &quot;%1&quot;</source>
        <translation>Impossible de dessiner le graphique de « %1 »</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>Cannot write to standard output</source>
        <translation>Impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>l’option %1 est donnée deux fois</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 a besoin d’une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>CutFiles</name>
    <message>
        <source>&quot;%1&quot; was kept: it is named like a board but was not written as one.</source>
        <translation>« %1 » a été gardé : il porte le nom d’un carton-plume mais n’a pas été écrit comme tel.</translation>
    </message>
    <message>
        <source>Cannot remove &quot;%1&quot;, a board of an earlier export: %2</source>
        <translation>Impossible de retirer « %1 », un carton-plume d’un export précédent : %2</translation>
    </message>
    <message>
        <source>The design has no parts to cut; draw the body&apos;s outline first.</source>
        <translation>Le modèle n’a aucune pièce à découper ; dessine d’abord le contour de la carrosserie.</translation>
    </message>
</context>
<context>
    <name>CutProfile</name>
    <message>
        <source>Many school labs forbid foam board on a laser cutter: cutting it gives off fumes. A knife plotter cuts it safely, or print the templates and cut them by hand.</source>
        <translation>Beaucoup d’ateliers scolaires interdisent le carton-plume sur la découpeuse laser : sa découpe dégage des fumées. Un traceur de découpe à lame le coupe sans danger, ou imprime les gabarits et découpe-les à la main.</translation>
    </message>
</context>
<context>
    <name>CutSheets</name>
    <message>
        <source>The design has %1 layers; at most %2 layers can be cut.</source>
        <translation>Le modèle a %1 couches ; au plus %2 couches peuvent être découpées.</translation>
    </message>
    <message>
        <source>The part &quot;%1&quot; (%2) does not fit on the board (%3, with %4 kept free along each edge).</source>
        <translation>La pièce « %1 » (%2) ne tient pas sur le carton-plume (%3, avec %4 laissés libres le long de chaque bord).</translation>
    </message>
</context>
<context>
    <name>DesignListBar</name>
    <message>
        <source>Select an existing car design, or edit the name of a custom design.</source>
        <translation>Choisis un modèle de voiture existant ou modifie le nom d’un modèle personnel.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Start a new design.  New designs start with the default shape.</source>
        <translation>Commencer un nouveau modèle.  Les nouveaux modèles commencent avec la forme par défaut.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Load a previously saved design from disk</source>
        <translation>Charger un modèle enregistré auparavant</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the currently selected design to disk</source>
        <translation>Enregistrer le modèle sélectionné</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the currently selected design from the list (can reload later if saved).  The five standard designs cannot be removed.</source>
        <translation>Retirer de la liste le modèle sélectionné (s’il est enregistré, il pourra être rechargé).  Les cinq modèles standard ne peuvent pas être retirés.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Rename the selected design</source>
        <translation>Renommer le modèle sélectionné</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Matériaux</translation>
    </message>
    <message>
        <source>Define your own materials</source>
        <translation>Définir tes propres matériaux</translation>
    </message>
</context>
<context>
    <name>DesignListOps</name>
    <message>
        <source>All Files|*.*</source>
        <translation>Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>Zindle Design Portfolio|*.zddp</source>
        <translation>Portfolio de modèles Zindle|*.zddp</translation>
    </message>
    <message>
        <source>Choose a .zndl file</source>
        <translation>Choisis un fichier .zndl</translation>
    </message>
    <message>
        <source>Save car as:</source>
        <translation>Enregistrer la voiture sous :</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Désolé</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Input Box</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Please type a new name for %1</source>
        <translation>Tape un nouveau nom pour %1</translation>
    </message>
    <message>
        <source>Name revised</source>
        <translation>Nom corrigé</translation>
    </message>
</context>
<context>
    <name>DesignLogEdits</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1 ; le carnet reste tel qu’il est</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was shown here, so nothing was changed; close and open the Test runs window to see it as it is now</source>
        <translation>%1 a été modifié par un autre programme depuis son affichage ici, donc rien n’a été modifié ; ferme et rouvre la fenêtre Essais sur piste pour le voir tel qu’il est maintenant</translation>
    </message>
</context>
<context>
    <name>DesignMap</name>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diam. roue motrice (in)</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Longueur du ressort (in)</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Largeur du ressort (in)</translation>
    </message>
    <message>
        <source>wheel enlarged (size shown)</source>
        <translation>roue agrandie (taille indiquée)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>no 15 ft</source>
        <translation>pas 15 ft</translation>
    </message>
    <message>
        <source>best</source>
        <translation>meilleur</translation>
    </message>
</context>
<context>
    <name>DesignReport</name>
    <message>
        <source>%1 (t= %2 in, dens= %3 lb/cu in)</source>
        <translation>%1 (ép.= %2 in, dens.= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (t= %2 in, dens=%3 lb/cu in)</source>
        <translation>%1 (ép.= %2 in, dens.= %3 lb/in³)</translation>
    </message>
    <message>
        <source>%1 (%2 lbm/cu in)</source>
        <translation>%1 (%2 lbm/in³)</translation>
    </message>
    <message>
        <source>ZINDLE Design Report for %1</source>
        <translation>Rapport de conception ZINDLE pour %1</translation>
    </message>
    <message>
        <source>Design Parameters:</source>
        <translation>Paramètres du modèle :</translation>
    </message>
    <message>
        <source>Spring Width: %1 in</source>
        <translation>Largeur du ressort : %1 in</translation>
    </message>
    <message>
        <source>Spring Length: %1 in</source>
        <translation>Longueur du ressort : %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Length: %1 in</source>
        <translation>Longueur de l’essieu moteur : %1 in</translation>
    </message>
    <message>
        <source>Other Axle Length: %1 in</source>
        <translation>Longueur de l’autre essieu : %1 in</translation>
    </message>
    <message>
        <source>Drive Wheel Dia: %1 in</source>
        <translation>Diam. roue motrice : %1 in</translation>
    </message>
    <message>
        <source>Other Wheel Dia: %1 in</source>
        <translation>Diam. autre roue : %1 in</translation>
    </message>
    <message>
        <source>Drive Axle Dia: %1 in</source>
        <translation>Diam. essieu moteur : %1 in</translation>
    </message>
    <message>
        <source>Other Axle Dia: %1 in</source>
        <translation>Diam. autre essieu : %1 in</translation>
    </message>
    <message>
        <source>Materials and Assumptions: </source>
        <translation>Matériaux et hypothèses : </translation>
    </message>
    <message>
        <source>Outer layers: %1</source>
        <translation>Couches extérieures : %1</translation>
    </message>
    <message>
        <source>Inner layers: %1</source>
        <translation>Couches intérieures : %1</translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Roues motrices : %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Autres roues : %1</translation>
    </message>
    <message>
        <source>Drive axle: %1</source>
        <translation>Essieu moteur : %1</translation>
    </message>
    <message>
        <source>Other axle: %1</source>
        <translation>Autre essieu : %1</translation>
    </message>
    <message>
        <source>Spring: %1 (t=%2 in)</source>
        <translation>Ressort : %1 (ép.=%2 in)</translation>
    </message>
    <message>
        <source>Tread: %1 (mu=%2)</source>
        <translation>Bande de roulement : %1 (µ=%2)</translation>
    </message>
    <message>
        <source>Maximum torque: %1 in-lb (width= %2 in)</source>
        <translation>Couple maximal : %1 in-lb (largeur= %2 in)</translation>
    </message>
    <message>
        <source>Finite element size: %1 pixels</source>
        <translation>Taille de l’élément : %1 pixels</translation>
    </message>
    <message>
        <source>Predicted Performance and Physical Characteristics:</source>
        <translation>Performances prévues et caractéristiques physiques :</translation>
    </message>
    <message>
        <source>ADVISORIES: </source>
        <translation>AVERTISSEMENTS : </translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Détails :</translation>
    </message>
    <message>
        <source>Skid advisory!</source>
        <translation>Avertissement : patinage !</translation>
    </message>
    <message>
        <source>No advisories</source>
        <translation>Aucun avertissement</translation>
    </message>
</context>
<context>
    <name>DriveCaption</name>
    <message>
        <source>All wheel drive</source>
        <translation>Quatre roues motrices</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Traction avant</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Propulsion arrière</translation>
    </message>
</context>
<context>
    <name>EnergyChart</name>
    <message>
        <source>Car&apos;s motion</source>
        <translation>Mouvement de la voiture</translation>
    </message>
    <message>
        <source>Wheels&apos; share</source>
        <translation>Part des roues</translation>
    </message>
    <message>
        <source>Rolling friction</source>
        <translation>Frottement de roulement</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinage</translation>
    </message>
    <message>
        <source>Stopping</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Where the spring&apos;s energy went</source>
        <translation>Où est allée l’énergie du ressort</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Energy (ft.lb)</source>
        <translation>Énergie (ft.lb)</translation>
    </message>
    <message>
        <source>At %1 s: the spring has delivered %2 ft.lb</source>
        <translation>À %1 s : le ressort a fourni %2 ft.lb</translation>
    </message>
</context>
<context>
    <name>EnergyCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>la simulation ne peut pas faire rouler ce modèle (vois &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>EventCommand</name>
    <message>
        <source>every lane is blocked</source>
        <translation>tous les couloirs sont bloqués</translation>
    </message>
    <message>
        <source>--blocked names lanes from 1 to %1, not &quot;%2&quot;</source>
        <translation>--blocked nomme des couloirs de 1 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file</source>
        <translation>%1 existe déjà ; un fichier de compétition est créé une seule fois et jamais par-dessus un autre fichier</translation>
    </message>
    <message>
        <source>new needs --roster and --lanes</source>
        <translation>new a besoin de --roster et de --lanes</translation>
    </message>
    <message>
        <source>--lanes must be a whole number from 1 to %1</source>
        <translation>--lanes doit être un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>--format is balanced, rotation or fastest</source>
        <translation>--format vaut balanced, rotation ou fastest</translation>
    </message>
    <message>
        <source>--rounds must be a whole number from 1 to %1</source>
        <translation>--rounds doit être un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>--scoring is average, best or points</source>
        <translation>--scoring vaut average, best ou points</translation>
    </message>
    <message>
        <source>--track-ft must lie above 0 and up to 100 ft</source>
        <translation>--track-ft doit être supérieur à 0 et au plus 100 ft</translation>
    </message>
    <message>
        <source>--date is a day as YYYY-MM-DD</source>
        <translation>--date est un jour au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--code must be 1 to 64 characters</source>
        <translation>--code doit faire de 1 à 64 caractères</translation>
    </message>
    <message>
        <source>record needs --heat and --times</source>
        <translation>record a besoin de --heat et de --times</translation>
    </message>
    <message>
        <source>--heat is a heat&apos;s number, counted from 1</source>
        <translation>--heat est le numéro d’une manche, compté à partir de 1</translation>
    </message>
    <message>
        <source>%1 is not a design file of the roster folder</source>
        <translation>%1 n’est pas un fichier de modèle du dossier des participants</translation>
    </message>
    <message>
        <source>serve needs --port, a number from 1 to 65535</source>
        <translation>serve a besoin de --port, un nombre de 1 à 65535</translation>
    </message>
    <message>
        <source>--address is an IP address such as 127.0.0.1</source>
        <translation>--address est une adresse IP comme 127.0.0.1</translation>
    </message>
    <message>
        <source>the event has no join code; give one with --code</source>
        <translation>la compétition n’a pas de code ; donnes-en un avec --code</translation>
    </message>
    <message>
        <source>no action given</source>
        <translation>aucune action donnée</translation>
    </message>
    <message>
        <source>&quot;%1&quot; with %2 arguments is not an action</source>
        <translation>« %1 » avec %2 arguments n’est pas une action</translation>
    </message>
</context>
<context>
    <name>EventPage</name>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Race day</source>
        <translation>Jour de course</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>En course</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Enter times</source>
        <translation>Saisis les temps</translation>
    </message>
    <message>
        <source>Join code</source>
        <translation>Code d’accès</translation>
    </message>
    <message>
        <source>Record heat</source>
        <translation>Enregistrer la manche</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Couloir %1</translation>
    </message>
    <message>
        <source>s or DNF</source>
        <translation>s ou DNF</translation>
    </message>
    <message>
        <source>Now racing: heat %1</source>
        <translation>En course : manche %1</translation>
    </message>
    <message>
        <source>Every heat is recorded</source>
        <translation>Toutes les manches sont enregistrées</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (retirée)</translation>
    </message>
    <message>
        <source>No heat to record.</source>
        <translation>Aucune manche à enregistrer.</translation>
    </message>
    <message>
        <source>Type a time in seconds or DNF.</source>
        <translation>Saisis un temps en secondes ou DNF.</translation>
    </message>
    <message>
        <source>Heat %1 recorded.</source>
        <translation>Manche %1 enregistrée.</translation>
    </message>
    <message>
        <source>Not recorded.</source>
        <translation>Non enregistré.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>it is not a Zindle design file; as one of an earlier release, %1</source>
        <translation>ce n’est pas un fichier de modèle de Zindle ; lu comme un fichier d’une version antérieure : %1</translation>
    </message>
    <message>
        <source>it is not a Zindle 4.1 design file</source>
        <translation>ce n’est pas un fichier de modèle de Zindle 4.1</translation>
    </message>
    <message>
        <source>%1 bytes after the end of the design were ignored</source>
        <translation>%1 octets après la fin du modèle ont été ignorés</translation>
    </message>
    <message>
        <source>the spring width</source>
        <translation>la largeur du ressort</translation>
    </message>
    <message>
        <source>the spring length</source>
        <translation>la longueur du ressort</translation>
    </message>
    <message>
        <source>the drive wheel diameter</source>
        <translation>le diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>the drive axle diameter</source>
        <translation>le diamètre de l’essieu moteur</translation>
    </message>
    <message>
        <source>the drive axle length</source>
        <translation>la longueur de l’essieu moteur</translation>
    </message>
    <message>
        <source>the other wheel diameter</source>
        <translation>le diamètre de l’autre roue</translation>
    </message>
    <message>
        <source>the other axle diameter</source>
        <translation>le diamètre de l’autre essieu</translation>
    </message>
    <message>
        <source>the other axle length</source>
        <translation>la longueur de l’autre essieu</translation>
    </message>
    <message>
        <source>a spring thickness</source>
        <translation>une épaisseur de ressort</translation>
    </message>
    <message>
        <source>a spring density</source>
        <translation>une densité de ressort</translation>
    </message>
    <message>
        <source>a spring sample width</source>
        <translation>une largeur d’échantillon de ressort</translation>
    </message>
    <message>
        <source>a spring torque</source>
        <translation>un couple de ressort</translation>
    </message>
    <message>
        <source>it holds an impossible number of board materials (%1)</source>
        <translation>il contient un nombre impossible de matériaux de carton (%1)</translation>
    </message>
    <message>
        <source>a board thickness</source>
        <translation>une épaisseur de carton</translation>
    </message>
    <message>
        <source>a board density</source>
        <translation>une densité de carton</translation>
    </message>
    <message>
        <source>it holds an impossible number of axle materials (%1)</source>
        <translation>il contient un nombre impossible de matériaux d’essieu (%1)</translation>
    </message>
    <message>
        <source>an axle density</source>
        <translation>une densité d’essieu</translation>
    </message>
    <message>
        <source>it holds an impossible number of spring materials (%1)</source>
        <translation>il contient un nombre impossible de matériaux de ressort (%1)</translation>
    </message>
    <message>
        <source>it holds an impossible number of tread materials (%1)</source>
        <translation>il contient un nombre impossible de matériaux de bande de roulement (%1)</translation>
    </message>
    <message>
        <source>a tread friction</source>
        <translation>un frottement de bande de roulement</translation>
    </message>
    <message>
        <source>part %1 names material %2, which the file does not hold</source>
        <translation>la pièce %1 nomme le matériau %2, que le fichier ne contient pas</translation>
    </message>
    <message>
        <source>the element size</source>
        <translation>la taille de l’élément</translation>
    </message>
    <message>
        <source>the case ratio</source>
        <translation>le rapport du boîtier</translation>
    </message>
    <message>
        <source>the rolling friction</source>
        <translation>le frottement de roulement</translation>
    </message>
    <message>
        <source>it holds an impossible number of weights (%1)</source>
        <translation>il contient un nombre impossible de poids (%1)</translation>
    </message>
    <message>
        <source>the position of weight %1</source>
        <translation>la position du poids %1</translation>
    </message>
    <message>
        <source>the front axle&apos;s x</source>
        <translation>le x de l’essieu avant</translation>
    </message>
    <message>
        <source>the front axle&apos;s y</source>
        <translation>le y de l’essieu avant</translation>
    </message>
    <message>
        <source>it holds an impossible number of outer outline points (%1)</source>
        <translation>il contient un nombre impossible de points du contour extérieur (%1)</translation>
    </message>
    <message>
        <source>outer outline point %1</source>
        <translation>le point %1 du contour extérieur</translation>
    </message>
    <message>
        <source>it holds an impossible number of inner outline points (%1)</source>
        <translation>il contient un nombre impossible de points du contour intérieur (%1)</translation>
    </message>
    <message>
        <source>inner outline point %1</source>
        <translation>le point %1 du contour intérieur</translation>
    </message>
    <message>
        <source>%1 has no text &quot;%2&quot;</source>
        <translation>%1 n’a pas de texte « %2 »</translation>
    </message>
    <message>
        <source>%1 has no number &quot;%2&quot;</source>
        <translation>%1 n’a pas de nombre « %2 »</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a whole number from %3 to %4</source>
        <translation>%1 a un « %2 » qui n’est pas un nombre entier de %3 à %4</translation>
    </message>
    <message>
        <source>%1 has a time that is neither null nor above 0 and up to 100 s</source>
        <translation>%1 a un temps qui n’est ni null ni au-dessus de 0 et jusqu’à 100 s</translation>
    </message>
    <message>
        <source>%1 has no list &quot;%2&quot;</source>
        <translation>%1 n’a pas de liste « %2 »</translation>
    </message>
    <message>
        <source>%1 has %2 lanes; the track has %3</source>
        <translation>%1 a %2 couloirs ; la piste en a %3</translation>
    </message>
    <message>
        <source>%1 names a car in lane %2 that is not entered</source>
        <translation>%1 nomme dans le couloir %2 une voiture qui n’est pas inscrite</translation>
    </message>
    <message>
        <source>%1 has no true or false &quot;%2&quot;</source>
        <translation>%1 n’a pas de vrai ou faux « %2 »</translation>
    </message>
    <message>
        <source>%1 has %2 times for %3 lanes</source>
        <translation>%1 a %2 temps pour %3 couloirs</translation>
    </message>
    <message>
        <source>%1 has a time in lane %2, which has no car</source>
        <translation>%1 a un temps dans le couloir %2, où il n’y a pas de voiture</translation>
    </message>
    <message>
        <source>it is not an event (not JSON: %1 at byte %2)</source>
        <translation>ce n’est pas un événement (pas du JSON : %1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is not a race-day event</source>
        <translation>ce n’est pas un événement de jour de course</translation>
    </message>
    <message>
        <source>it is not an event of version %1, which this release reads</source>
        <translation>ce n’est pas un événement de la version %1, celle que lit cette version</translation>
    </message>
    <message>
        <source>the event</source>
        <translation>l’événement</translation>
    </message>
    <message>
        <source>the event&apos;s trackFt must lie above 0 and up to 100 ft</source>
        <translation>le trackFt de l’événement doit être au-dessus de 0 et jusqu’à 100 ft</translation>
    </message>
    <message>
        <source>the event blocks a lane the track does not have</source>
        <translation>l’événement bloque un couloir que la piste n’a pas</translation>
    </message>
    <message>
        <source>the event&apos;s chart is not balanced, rotation or fastest</source>
        <translation>le tableau de l’événement n’est ni balanced, ni rotation, ni fastest</translation>
    </message>
    <message>
        <source>the event&apos;s scoring is not average, best or points</source>
        <translation>le classement de l’événement n’est ni average, ni best, ni points</translation>
    </message>
    <message>
        <source>the event has more than %1 cars</source>
        <translation>l’événement a plus de %1 voitures</translation>
    </message>
    <message>
        <source>car %1</source>
        <translation>la voiture %1</translation>
    </message>
    <message>
        <source>%1 has an empty file name or one entered before</source>
        <translation>%1 a un nom de fichier vide ou déjà inscrit</translation>
    </message>
    <message>
        <source>heat %1</source>
        <translation>la manche %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 n’est pas un objet</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, far more than any design file</source>
        <translation>il dépasse %1 octets, bien plus que tout fichier de modèle</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Read &quot;%1&quot;, but %2</source>
        <translation>« %1 » lu, mais %2</translation>
    </message>
    <message>
        <source>the file ends before the design does (at byte %1)</source>
        <translation>le fichier se termine avant le modèle (à l’octet %1)</translation>
    </message>
    <message>
        <source>a text of %1 bytes at byte %2 runs past the end of the file</source>
        <translation>un texte de %1 octets à l’octet %2 dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at byte %2 is not a number</source>
        <translation>« %1 » à l’octet %2 n’est pas un nombre</translation>
    </message>
    <message>
        <source>the file ends before the design does (after line %1)</source>
        <translation>le fichier se termine avant le modèle (après la ligne %1)</translation>
    </message>
    <message>
        <source>line %1 should hold a whole number but holds &quot;%2&quot;</source>
        <translation>la ligne %1 devrait contenir un nombre entier, mais contient « %2 »</translation>
    </message>
    <message>
        <source>line %1 should hold a number but holds &quot;%2&quot;</source>
        <translation>la ligne %1 devrait contenir un nombre, mais contient « %2 »</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a number</source>
        <translation>%1 a un « %2 » qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a list</source>
        <translation>%1 a un « %2 » qui n’est pas une liste</translation>
    </message>
    <message>
        <source>%1, mark %2,</source>
        <translation>%1, repère %2,</translation>
    </message>
    <message>
        <source>%1 lacks its distance or its time</source>
        <translation>il manque à %1 sa distance ou son temps</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 has its marks out of order of distance</source>
        <translation>%1 a ses repères dans le désordre des distances</translation>
    </message>
    <message>
        <source>design entry %1</source>
        <translation>l’entrée de modèle %1</translation>
    </message>
    <message>
        <source>%1 names no design (neither &quot;name&quot; nor &quot;file&quot;), so its runs belong to none</source>
        <translation>%1 ne nomme aucun modèle (ni « name » ni « file ») : ses courses n’appartiennent donc à aucun</translation>
    </message>
    <message>
        <source>design &quot;%1&quot;</source>
        <translation>le modèle « %1 »</translation>
    </message>
    <message>
        <source>run %1 of %2</source>
        <translation>la course %1 de %2</translation>
    </message>
    <message>
        <source>%1 has a prediction that is not a time above 0 and up to 100 s</source>
        <translation>%1 a une prévision qui n’est pas un temps au-dessus de 0 et jusqu’à 100 s</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is neither true nor false</source>
        <translation>%1 a un « %2 » qui n’est ni vrai ni faux</translation>
    </message>
    <message>
        <source>%1 has a &quot;%2&quot; that is not a count</source>
        <translation>%1 a un « %2 » qui n’est pas un nombre d’éléments</translation>
    </message>
    <message>
        <source>the calibration of &quot;%1&quot;</source>
        <translation>la calibration de « %1 »</translation>
    </message>
    <message>
        <source>%1 lacks a friction above 0 and below 1 lb or a spring efficiency above 0 and below 2</source>
        <translation>il manque à %1 un frottement au-dessus de 0 et en dessous de 1 lb ou un rendement du ressort au-dessus de 0 et en dessous de 2</translation>
    </message>
    <message>
        <source>it is not a logbook (not JSON: %1 at byte %2)</source>
        <translation>ce n’est pas un carnet (pas du JSON : %1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is not a logbook (no JSON object)</source>
        <translation>ce n’est pas un carnet (pas d’objet JSON)</translation>
    </message>
    <message>
        <source>it is not a logbook of version %1, which this release reads</source>
        <translation>ce n’est pas un carnet de la version %1, celle que lit cette version</translation>
    </message>
    <message>
        <source>the logbook</source>
        <translation>le carnet</translation>
    </message>
    <message>
        <source>design entry %1 lists &quot;%2&quot; (%3) a second time</source>
        <translation>l’entrée de modèle %1 cite « %2 » (%3) une deuxième fois</translation>
    </message>
    <message>
        <source>the logbook has &quot;calibrations&quot; that are not an object keyed by track</source>
        <translation>le carnet a des « calibrations » qui ne sont pas un objet indexé par piste</translation>
    </message>
    <message>
        <source>%1 %2 is beyond what a design can hold (%3)</source>
        <translation>%1 %2 dépasse ce qu’un modèle peut contenir (%3)</translation>
    </message>
    <message>
        <source>at most %1 points from the sheet&apos;s corner</source>
        <translation>au plus %1 points du coin de la feuille</translation>
    </message>
    <message>
        <source>at most %1 in</source>
        <translation>au plus %1 in</translation>
    </message>
    <message>
        <source>at most 1000000</source>
        <translation>au plus 1000000</translation>
    </message>
    <message>
        <source>the mass of weight %1</source>
        <translation>la masse du poids %1</translation>
    </message>
    <message>
        <source>at most %1 lb either way</source>
        <translation>au plus %1 lb dans un sens ou dans l’autre</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>its version is not 3</source>
        <translation>sa version n’est pas 3</translation>
    </message>
    <message>
        <source>A run is exported as .csv, .png, .svg or .pdf, not as &quot;%1&quot;.</source>
        <translation>Une course s’exporte en .csv, .png, .svg ou .pdf, pas en « %1 ».</translation>
    </message>
    <message>
        <source>This car cannot be run, so there is no run to export.</source>
        <translation>Cette voiture ne peut pas rouler : il n’y a pas de course à exporter.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>Le graphique n’a pas pu être dessiné.</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>c’est un lien vers un fichier qui n’existe pas</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere (%1)</source>
        <translation>c’est un lien qui ne mène nulle part (%1)</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom du fichier est vide</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>ce n’est pas un fichier ordinaire (c’est un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>it is the same file as &quot;%1&quot;</source>
        <translation>c’est le même fichier que « %1 »</translation>
    </message>
    <message>
        <source>%1; %2 of the %3 files before it were replaced already</source>
        <translation>%1 ; %2 des %3 fichiers d’avant ont déjà été remplacés</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>cut files end in .svg or .dxf</source>
        <translation>les fichiers de découpe se terminent par .svg ou .dxf</translation>
    </message>
    <message>
        <source>the board could not be drawn</source>
        <translation>le carton n’a pas pu être dessiné</translation>
    </message>
    <message>
        <source>nothing could be printed into it</source>
        <translation>rien n’a pu y être imprimé</translation>
    </message>
    <message>
        <source>it is not a design file</source>
        <translation>ce n’est pas un fichier de modèle</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes</source>
        <translation>son chemin dépasse la limite du système de %1 octets</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder cannot be read: %1</source>
        <translation>le dossier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>its path is longer than the system&apos;s limit of %1 bytes; the designs in it were not read</source>
        <translation>son chemin dépasse la limite du système de %1 octets ; les modèles qu’il contient n’ont pas été lus</translation>
    </message>
    <message>
        <source>it is not a challenge (not JSON: %1 at byte %2)</source>
        <translation>ce n’est pas un défi (pas du JSON : %1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is not a challenge</source>
        <translation>ce n’est pas un défi</translation>
    </message>
    <message>
        <source>the challenge has no version</source>
        <translation>le défi n’a pas de version</translation>
    </message>
    <message>
        <source>it is a challenge of version %1, made by a later release; this release reads version %2</source>
        <translation>c’est un défi de la version %1, fait par une version plus récente ; cette version lit la version %2</translation>
    </message>
    <message>
        <source>the challenge</source>
        <translation>le défi</translation>
    </message>
    <message>
        <source>rule %1 is not a text</source>
        <translation>la règle %1 n’est pas un texte</translation>
    </message>
    <message>
        <source>the challenge&apos;s scoring is not time, distance, target:SECONDS or efficiency</source>
        <translation>le classement du défi n’est ni time, ni distance, ni target:SECONDS, ni efficiency</translation>
    </message>
    <message>
        <source>rubric row %1</source>
        <translation>ligne %1 de la grille</translation>
    </message>
    <message>
        <source>rubric row %1 has a weight that is not a number of 0 or more</source>
        <translation>la ligne %1 de la grille a un poids qui n’est pas un nombre de 0 ou plus</translation>
    </message>
    <message>
        <source>prompt %1</source>
        <translation>question %1</translation>
    </message>
    <message>
        <source>prompt %1 is asked neither before-first-simulation nor after-race</source>
        <translation>la question %1 n’est posée ni before-first-simulation ni after-race</translation>
    </message>
    <message>
        <source>%1 has no time &quot;when&quot;</source>
        <translation>%1 n’a pas d’heure « when »</translation>
    </message>
    <message>
        <source>%1 has a design that is not Base64</source>
        <translation>%1 a un modèle qui n’est pas en Base64</translation>
    </message>
    <message>
        <source>%1 has a &quot;reaches15ft&quot; that is neither true nor false</source>
        <translation>%1 a un « reaches15ft » qui n’est ni true ni false</translation>
    </message>
    <message>
        <source>it is not a design journal (not JSON: %1 at byte %2)</source>
        <translation>ce n’est pas un journal de modèle (pas du JSON : %1 à l’octet %2)</translation>
    </message>
    <message>
        <source>it is not a design journal</source>
        <translation>ce n’est pas un journal de modèle</translation>
    </message>
    <message>
        <source>the design journal has no version</source>
        <translation>le journal de modèle n’a pas de version</translation>
    </message>
    <message>
        <source>it is a design journal of version %1, made by a later release; this release reads version %2</source>
        <translation>c’est un journal de modèle de version %1, créé par une édition ultérieure ; cette édition lit la version %2</translation>
    </message>
    <message>
        <source>the design journal</source>
        <translation>le journal de modèle</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;versions&quot;</source>
        <translation>le journal de modèle n’a pas de liste « versions »</translation>
    </message>
    <message>
        <source>journal version %1</source>
        <translation>version %1 du journal</translation>
    </message>
    <message>
        <source>the design journal has no list &quot;answers&quot;</source>
        <translation>le journal du modèle n’a pas de liste « answers »</translation>
    </message>
    <message>
        <source>journal answer %1</source>
        <translation>réponse %1 du journal</translation>
    </message>
</context>
<context>
    <name>JournalChart</name>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Temps jusqu’à 15 ft au fil des versions</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Reaches 15 ft</source>
        <translation>Atteint 15 ft</translation>
    </message>
    <message>
        <source>Stops short of 15 ft (×)</source>
        <translation>S’arrête avant 15 ft (×)</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>[%1 s] short of 15 ft</source>
        <translation>[%1 s] arrêté avant 15 ft</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation>Heure (UTC)</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Temps jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Journal versions</source>
        <translation>Versions du journal</translation>
    </message>
    <message>
        <source>Time to 15 ft over the versions</source>
        <translation>Temps jusqu’à 15 ft au fil des versions</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>My answer</source>
        <translation>Ma réponse</translation>
    </message>
    <message>
        <source>The challenge&apos;s questions and my answers</source>
        <translation>Les questions du défi et mes réponses</translation>
    </message>
    <message>
        <source>Each Simulate run of a changed design keeps a version. Double-click a note to write what you changed and why, or an answer to the challenge&apos;s questions.</source>
        <translation>Chaque simulation d’un modèle modifié garde une version. Double-cliquez sur une note pour écrire ce que vous avez changé et pourquoi, ou sur une réponse aux questions du défi.</translation>
    </message>
    <message>
        <source>Journal of %1 (versions: %2)</source>
        <translation>Journal de %1 (versions : %2)</translation>
    </message>
    <message>
        <source>%1. It is not written over; the versions of this run are kept until Zindle closes.</source>
        <translation>%1. Il n’est pas écrasé ; les versions de cette session sont gardées jusqu’à la fermeture de Zindle.</translation>
    </message>
    <message>
        <source>The design has no file yet: its journal is written beside it when it is saved.</source>
        <translation>Le modèle n’a pas encore de fichier : son journal est écrit à côté lors de l’enregistrement.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Zindle speaks the desktop&apos;s language from its next start.</source>
        <translation>Zindle parlera la langue du bureau à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Zindle speaks %1 from its next start.</source>
        <translation>Zindle parlera %1 à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The Desktop&apos;s Language</source>
        <translation>La langue du bureau</translation>
    </message>
</context>
<context>
    <name>LeagueCommand</name>
    <message>
        <source>--track needs the name of a track</source>
        <translation>--track a besoin du nom d’une piste</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads prend un nombre de 1 à 256</translation>
    </message>
    <message>
        <source>only one output can go to standard output</source>
        <translation>une seule sortie peut aller sur la sortie standard</translation>
    </message>
    <message>
        <source>no design files found</source>
        <translation>aucun fichier de modèle trouvé</translation>
    </message>
    <message>
        <source>stopped by Ctrl+C after %1 of %2 designs</source>
        <translation>arrêté par Ctrl+C après %1 modèles sur %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the PDF could not be made</source>
        <translation>Impossible d’écrire « %1 » : le PDF n’a pas pu être créé</translation>
    </message>
    <message>
        <source>no design could be read</source>
        <translation>aucun modèle n’a pu être lu</translation>
    </message>
    <message>
        <source>--class-csv needs --challenge</source>
        <translation>--class-csv exige --challenge</translation>
    </message>
</context>
<context>
    <name>LeaguePages</name>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Time (sec)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Vitesse de pointe (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed</source>
        <translation>Vitesse de pointe</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Distance propulsée (ft)</translation>
    </message>
    <message>
        <source>Powered distance</source>
        <translation>Distance propulsée</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masse totale (lbm)</translation>
    </message>
    <message>
        <source>Mass (lbm)</source>
        <translation>Masse (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Mesuré (s)</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Mesuré</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Predictions %1 (designs in %2)</source>
        <translation>Prévisions %1 (modèles dans %2)</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Prévisions %1</translation>
    </message>
    <message>
        <source>1 design</source>
        <translation>1 modèle</translation>
    </message>
    <message>
        <source>%1 designs</source>
        <translation>%1 modèles</translation>
    </message>
    <message>
        <source>1 design, 1 file could not be read</source>
        <translation>1 modèle, 1 fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>1 design, %1 files could not be read</source>
        <translation>1 modèle, %1 fichiers n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>%1 designs, 1 file could not be read</source>
        <translation>%1 modèles, 1 fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 designs, %2 files could not be read</source>
        <translation>%1 modèles, %2 fichiers n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>1 car</source>
        <translation>1 voiture</translation>
    </message>
    <message>
        <source>%1 cars</source>
        <translation>%1 voitures</translation>
    </message>
    <message>
        <source>Final (%1)</source>
        <translation>Finale (%1)</translation>
    </message>
    <message>
        <source>Round %1, heat %2 of %3 (%4)</source>
        <translation>Tour %1, manche %2 sur %3 (%4)</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gagnant : %1</translation>
    </message>
    <message>
        <source>Goes on: %1</source>
        <translation>Qualifié : %1</translation>
    </message>
    <message>
        <source>Class standings</source>
        <translation>Classement de la classe</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language code of the page, as in &lt;html lang=&quot;en&quot;&gt;</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Distance and time of the first eight</source>
        <translation>Distance et temps des huit premiers</translation>
    </message>
    <message>
        <source>Distance against time of the first eight cars</source>
        <translation>Distance en fonction du temps des huit premières voitures</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Non lus</translation>
    </message>
    <message>
        <source>Heats</source>
        <translation>Manches</translation>
    </message>
    <message>
        <source>The cars</source>
        <translation>Les voitures</translation>
    </message>
    <message>
        <source>Side view of %1</source>
        <translation>Vue de côté de %1</translation>
    </message>
    <message>
        <source>Not read: %1: %2</source>
        <translation>Non lu : %1 : %2</translation>
    </message>
    <message>
        <source>no skid</source>
        <translation>pas de patinage</translation>
    </message>
    <message>
        <source>skid</source>
        <translation>patinage</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ft</source>
        <translation>%1 ft</translation>
    </message>
    <message>
        <source>scored by the time to 15 ft, quickest first</source>
        <translation>classé au temps jusqu&apos;à 15 ft, le plus rapide d&apos;abord</translation>
    </message>
    <message>
        <source>scored by the powered distance, farthest first</source>
        <translation>classé à la distance propulsée, la plus longue d&apos;abord</translation>
    </message>
    <message>
        <source>scored by the time to 15 ft nearest %1 s, the cars short of 15 ft after them, farthest first</source>
        <translation>classé au temps jusqu&apos;à 15 ft le plus proche de %1 s, puis les voitures qui n&apos;atteignent pas 15 ft, la plus lointaine d&apos;abord</translation>
    </message>
    <message>
        <source>scored by efficiency, the powered distance (ft) per ft.lb the spring delivered, greatest first</source>
        <translation>classé au rendement, la distance propulsée (ft) par ft.lb fourni par le ressort, le plus élevé d&apos;abord</translation>
    </message>
    <message>
        <source>Challenge: %1</source>
        <translation>Défi : %1</translation>
    </message>
    <message>
        <source>Challenge &quot;%1&quot;: %2</source>
        <translation>Défi « %1 » : %2</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>ListMessages</name>
    <message>
        <source>Current design &quot;%1&quot; is not saved. Save it?</source>
        <translation>Le modèle actuel « %1 » n’est pas enregistré. L’enregistrer ?</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be renamed.
However, you may save this design under a different name.</source>
        <translation>Default design, Racer, Pickup, Tow Truck et Wheelie ne peuvent pas être renommés.
Tu peux cependant enregistrer ce modèle sous un autre nom.</translation>
    </message>
    <message>
        <source>Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be deleted from the list.</source>
        <translation>Default design, Racer, Pickup, Tow Truck et Wheelie ne peuvent pas être retirés de la liste.</translation>
    </message>
    <message>
        <source>The name you suggested has been revised to eliminate any commas (,), slashes (\ or /), or colons (:).</source>
        <translation>Les virgules (,), les barres obliques (\ ou /) et les deux-points (:) ont été retirés du nom proposé.</translation>
    </message>
    <message>
        <source>The car name must be 32 characters or less. </source>
        <translation>Le nom de la voiture doit faire 32 caractères au plus. </translation>
    </message>
    <message>
        <source>Are you sure that you wish to remove this design from the list?</source>
        <translation>Veux-tu vraiment retirer ce modèle de la liste ?</translation>
    </message>
    <message>
        <source>The design list is full (257 designs).  Remove a design from the list before you add another.</source>
        <translation>La liste des modèles est pleine (257 modèles).  Retire un modèle de la liste avant d’en ajouter un autre.</translation>
    </message>
</context>
<context>
    <name>LiveReadout</name>
    <message>
        <source>no advisories</source>
        <translation>aucun avertissement</translation>
    </message>
    <message>
        <source>1 advisory</source>
        <translation>1 avertissement</translation>
    </message>
    <message>
        <source>%1 advisories</source>
        <translation>%1 avertissements</translation>
    </message>
    <message>
        <source>15 ft in %1 s</source>
        <translation>15 ft en %1 s</translation>
    </message>
    <message>
        <source>15 ft not reached in %1 s</source>
        <translation>15 ft non atteints en %1 s</translation>
    </message>
    <message>
        <source>peak %1 ft/s</source>
        <translation>pointe %1 ft/s</translation>
    </message>
    <message>
        <source>%1 lb</source>
        <translation>%1 lb</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation>Ne peut pas rouler : %1</translation>
    </message>
    <message>
        <source>As Simulate will show the design, computed while you edit it:</source>
        <translation>Ce que « Simuler » montrera du modèle, calculé pendant que tu le modifies :</translation>
    </message>
    <message>
        <source> (in brackets: 15 ft not reached, the time the run ended)</source>
        <translation> (entre crochets : 15 ft non atteints, le temps où la course s’est arrêtée)</translation>
    </message>
    <message>
        <source>No advisories.</source>
        <translation>Aucun avertissement.</translation>
    </message>
    <message>
        <source>Advisories:</source>
        <translation>Avertissements :</translation>
    </message>
    <message>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Live:</source>
        <translation>En direct :</translation>
    </message>
    <message>
        <source>computing…</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>(updating)</source>
        <translation>(mise à jour)</translation>
    </message>
</context>
<context>
    <name>LoggedRuns</name>
    <message>
        <source>%1; the logbook is left as it is, and its runs are left out</source>
        <translation>%1 ; le carnet reste tel qu’il est, et ses courses sont laissées de côté</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot;: its designs are predicted with their own model</source>
        <translation>%1 ne contient aucun étalonnage pour « %2 » : ses modèles sont prédites avec leur propre modèle</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Car File...</source>
        <translation>&amp;Ouvrir un fichier de voiture...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Con&amp;vert file...</source>
        <translation>&amp;Convertir un fichier...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Export templates...</source>
        <translation>E&amp;xporter les gabarits...</translation>
    </message>
    <message>
        <source>E&amp;xport run...</source>
        <translation>Exporter la co&amp;urse...</translation>
    </message>
    <message>
        <source>C&amp;lass results...</source>
        <translation>Résultats de la c&amp;lasse...</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Race &amp;Day...</source>
        <translation>&amp;Jour de course...</translation>
    </message>
    <message>
        <source>Re&amp;name...</source>
        <translation>Re&amp;nommer...</translation>
    </message>
    <message>
        <source>Re&amp;move...</source>
        <translation>Re&amp;tirer...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Points...</source>
        <translation>&amp;Points...</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Define &amp;Materials...</source>
        <translation>Définir les &amp;matériaux...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Choose &amp;Background Color...</source>
        <translation>Choisir la couleur de &amp;fond...</translation>
    </message>
    <message>
        <source>&amp;High-Contrast Sheet</source>
        <translation>Feuille à &amp;contraste élevé</translation>
    </message>
    <message>
        <source>&amp;Modes</source>
        <translation>&amp;Modes</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Conception</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>Cons&amp;truire</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Analyser</translation>
    </message>
    <message>
        <source>&amp;Simulate</source>
        <translation>&amp;Simuler</translation>
    </message>
    <message>
        <source>&amp;Race</source>
        <translation>Cou&amp;rse</translation>
    </message>
    <message>
        <source>Pre&amp;view Templates</source>
        <translation>A&amp;perçu des gabarits</translation>
    </message>
    <message>
        <source>&amp;Print Templates...</source>
        <translation>Imprimer les &amp;gabarits...</translation>
    </message>
    <message>
        <source>Po&amp;wer Designer...</source>
        <translation>Concepteur de p&amp;uissance...</translation>
    </message>
    <message>
        <source>Results &amp;in Detail...</source>
        <translation>Résultats en &amp;détail...</translation>
    </message>
    <message>
        <source>R&amp;un Charts...</source>
        <translation>Grap&amp;hiques de la course...</translation>
    </message>
    <message>
        <source>Race &amp;Chart...</source>
        <translation>Graphique de la c&amp;ompétition...</translation>
    </message>
    <message>
        <source>&amp;Test Runs...</source>
        <translation>&amp;Essais sur piste...</translation>
    </message>
    <message>
        <source>&amp;Energy...</source>
        <translation>É&amp;nergie...</translation>
    </message>
    <message>
        <source>W&amp;hat If...</source>
        <translation>Et s&amp;i...</translation>
    </message>
    <message>
        <source>Se&amp;nsitivity...</source>
        <translation>Sensi&amp;bilité...</translation>
    </message>
    <message>
        <source>Build T&amp;olerances...</source>
        <translation>To&amp;lérances de construction...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Zindle Discussion &amp;Forum</source>
        <translation>&amp;Forum de discussion Zindle</translation>
    </message>
    <message>
        <source>Zindle &amp;Help in your web browser</source>
        <translation>&amp;Aide de Zindle dans le navigateur (en anglais)</translation>
    </message>
    <message>
        <source>Zindle Home &amp;Page</source>
        <translation>&amp;Page d’accueil de Zindle</translation>
    </message>
    <message>
        <source>&amp;About Zindle 4.1...</source>
        <translation>À pr&amp;opos de Zindle 4.1...</translation>
    </message>
    <message>
        <source>&amp;Check for latest version...</source>
        <translation>Rechercher la dernière &amp;version...</translation>
    </message>
    <message>
        <source>Opti&amp;miser...</source>
        <translation>Opti&amp;miseur...</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Journal...</translation>
    </message>
</context>
<context>
    <name>MaterialEditing</name>
    <message>
        <source>Please try again</source>
        <translation>Réessaie</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>Please enter a name for this board.</source>
        <translation>Saisis un nom pour ce carton.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than 0.05 inches, and less than 6 inches. </source>
        <translation>L’épaisseur doit être positive, supérieure à 0.05 pouce et inférieure à 6 pouces. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than 0.0001, and no more than 0.5 pounds per cubic inch.</source>
        <translation>La densité doit être positive, supérieure à 0.0001 et d’au plus 0.5 livre par pouce cube.</translation>
    </message>
    <message>
        <source>Please enter a name for this axle material.</source>
        <translation>Saisis un nom pour ce matériau d’essieu.</translation>
    </message>
    <message>
        <source>The axle density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch. </source>
        <translation>La densité de l’essieu doit être positive, supérieure à zéro et d’au plus 0.5 livre par pouce cube. </translation>
    </message>
    <message>
        <source>Please enter a name for this spring material.</source>
        <translation>Saisis un nom pour ce matériau de ressort.</translation>
    </message>
    <message>
        <source>The thickness must be positive, greater than zero, and no more than 0.125 inches. </source>
        <translation>L’épaisseur doit être positive, supérieure à zéro et d’au plus 0.125 pouce. </translation>
    </message>
    <message>
        <source>The density must be positive, greater than zero, and no more than 0.5 pounds per cubic inch.</source>
        <translation>La densité doit être positive, supérieure à zéro et d’au plus 0.5 livre par pouce cube.</translation>
    </message>
    <message>
        <source>The width of your test sample must be positive, greater than zero, and no more than 6 inches.</source>
        <translation>La largeur de ton échantillon doit être positive, supérieure à zéro et d’au plus 6 pouces.</translation>
    </message>
    <message>
        <source>The maximum torque must be positive, greater than zero, and no more than 10 lb-inches.</source>
        <translation>Le couple maximal doit être positif, supérieur à zéro et d’au plus 10 lb-in.</translation>
    </message>
    <message>
        <source>All torque values must be positive, greater than zero, and no more than 3 lb-inches -- some values are not valid.</source>
        <translation>Toutes les valeurs de couple doivent être positives, supérieures à zéro et d’au plus 3 lb-in -- certaines valeurs ne sont pas valables.</translation>
    </message>
    <message>
        <source>Please enter a name for this tread material.</source>
        <translation>Saisis un nom pour ce matériau de bande de roulement.</translation>
    </message>
    <message>
        <source>The coefficient of static friction must be positive, greater than zero, and less than 2. </source>
        <translation>Le coefficient de frottement statique doit être positif, supérieur à zéro et inférieur à 2. </translation>
    </message>
    <message>
        <source>There is already a material named &quot;%1&quot;. Type another name, or select &quot;%1&quot; in the list and press Edit to change it.</source>
        <translation>Il existe déjà un matériau nommé « %1 ». Saisis un autre nom, ou choisis « %1 » dans la liste et appuie sur « Modifier » pour le changer.</translation>
    </message>
    <message>
        <source>The list of board materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La liste des matériaux de carton est pleine (100 matériaux).  Supprime un matériau avant d’en définir un nouveau.</translation>
    </message>
    <message>
        <source>The list of axle materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La liste des matériaux d’essieu est pleine (100 matériaux).  Supprime un matériau avant d’en définir un nouveau.</translation>
    </message>
    <message>
        <source>The list of spring materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La liste des matériaux de ressort est pleine (100 matériaux).  Supprime un matériau avant d’en définir un nouveau.</translation>
    </message>
    <message>
        <source>The list of tread materials is full (100 materials).  Delete a material before you define a new one.</source>
        <translation>La liste des matériaux de bande de roulement est pleine (100 matériaux).  Supprime un matériau avant d’en définir un nouveau.</translation>
    </message>
    <message>
        <source>Sorry, this computer does not have the ColorPicker component installed.  A default color will be used instead.</source>
        <translation>Cet ordinateur n’a pas de sélecteur de couleur installé.  Une couleur par défaut sera utilisée.</translation>
    </message>
    <message>
        <source>Colors not available</source>
        <translation>Couleurs non disponibles</translation>
    </message>
</context>
<context>
    <name>MeasuredOverlay</name>
    <message>
        <source>%1 and measured runs, RMS error %2 s</source>
        <translation>%1 et courses mesurées, erreur RMS %2 s</translation>
    </message>
    <message>
        <source>%1 and measured runs</source>
        <translation>%1 et courses mesurées</translation>
    </message>
    <message>
        <source>With coasting</source>
        <translation>Avec roue libre</translation>
    </message>
    <message>
        <source>Runs on %1:</source>
        <translation>Courses sur %1 :</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Course %1 : %2</translation>
    </message>
    <message>
        <source>and %1 more runs</source>
        <translation>et %1 autres courses</translation>
    </message>
</context>
<context>
    <name>MeasuredRun</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; is not feet:seconds (for example 5:0.71).</source>
        <translation>Le repère « %1 » n’est pas pieds:secondes (par exemple 5:0.71).</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; distance</source>
        <translation>Distance du repère « %1 »</translation>
    </message>
    <message>
        <source>Mark &quot;%1&quot; time</source>
        <translation>Temps du repère « %1 »</translation>
    </message>
    <message>
        <source>The run has no valid date (YYYY-MM-DD).</source>
        <translation>L’essai n’a pas de date valide (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <source>The run needs the name of its track.</source>
        <translation>L’essai a besoin du nom de sa piste.</translation>
    </message>
    <message>
        <source>The run needs at least one mark or the distance where the car came to rest.</source>
        <translation>L’essai a besoin d’au moins un repère ou de la distance où la voiture s’est arrêtée.</translation>
    </message>
    <message>
        <source>A mark at %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>Un repère à %1 n’est pas sur une piste : les distances sont au-dessus de 0 et jusqu’à 100 ft.</translation>
    </message>
    <message>
        <source>The time %1 at %2 cannot be measured: times lie above 0 and up to 100 s.</source>
        <translation>Le temps %1 à %2 ne peut pas être mesuré : les temps sont au-dessus de 0 et jusqu’à 100 s.</translation>
    </message>
    <message>
        <source>There are two marks at %1.</source>
        <translation>Il y a deux repères à %1.</translation>
    </message>
    <message>
        <source>The car cannot reach %1 at %2 when it reached %3 at %4: times must grow with the distance.</source>
        <translation>La voiture ne peut pas atteindre %1 à %2 alors qu’elle a atteint %3 à %4 : les temps doivent croître avec la distance.</translation>
    </message>
    <message>
        <source>The resting distance %1 is not on a track: distances lie above 0 and up to 100 ft.</source>
        <translation>La distance d’arrêt %1 n’est pas sur une piste : les distances sont au-dessus de 0 et jusqu’à 100 ft.</translation>
    </message>
    <message>
        <source>The car cannot come to rest at %1 before its last mark at %2.</source>
        <translation>La voiture ne peut pas s’arrêter à %1 avant son dernier repère à %2.</translation>
    </message>
    <message>
        <source>A car of %1 lbm cannot be weighed: masses lie above 0 and up to 10 lbm.</source>
        <translation>Une voiture de %1 lbm ne peut pas être pesée : les masses sont au-dessus de 0 et jusqu’à 10 lbm.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a day written YYYY-MM-DD</source>
        <translation>%1 : « %2 » n’est pas un jour écrit AAAA-MM-JJ</translation>
    </message>
</context>
<context>
    <name>ModeButtons</name>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>Edit the car design</source>
        <translation>Modifier le modèle de la voiture</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Construire</translation>
    </message>
    <message>
        <source>&quot;Build&quot; a virtual prototype</source>
        <translation>« Construire » un prototype virtuel</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Compute the physical properties of the design</source>
        <translation>Calculer les propriétés physiques du modèle</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simuler</translation>
    </message>
    <message>
        <source>Dynamically simulate the design</source>
        <translation>Simuler le modèle en mouvement</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Race against other designs</source>
        <translation>Courir contre d’autres modèles</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Inspect the parts-cutting templates for the main car body, before printing them</source>
        <translation>Examiner les gabarits de découpe de la carrosserie avant de les imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print parts-cutting templates to help you build the car</source>
        <translation>Imprimer les gabarits de découpe qui t’aident à construire la voiture</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>No number was typed (a period is the decimal point). </source>
        <translation>Aucun nombre n’a été saisi (le séparateur décimal est le point). </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (a period is the decimal point). </source>
        <translation>« %1 » n’est pas un nombre (le séparateur décimal est le point). </translation>
    </message>
</context>
<context>
    <name>OptimiseCommand</name>
    <message>
        <source>--goal takes time, distance or target:T with T seconds above 0</source>
        <translation>--goal prend time, distance ou target:T avec T secondes au-dessus de 0</translation>
    </message>
    <message>
        <source>--max-mass takes a mass in lb above 0</source>
        <translation>--max-mass prend une masse en lb au-dessus de 0</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0</source>
        <translation>--seed prend un nombre entier à partir de 0</translation>
    </message>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads prend un nombre entier de 1 à 256</translation>
    </message>
    <message>
        <source>--evaluations takes a whole number from 1 to %1</source>
        <translation>--evaluations prend un nombre entier de 1 à %1</translation>
    </message>
    <message>
        <source>unknown parameter %1; this design has %2</source>
        <translation>paramètre inconnu %1 ; ce modèle a %2</translation>
    </message>
    <message>
        <source>parameter %1 is given twice</source>
        <translation>le paramètre %1 est donné deux fois</translation>
    </message>
    <message>
        <source>--range takes P:LOW:HIGH, such as drive-wheel:2.6:7.5</source>
        <translation>--range prend P:LOW:HIGH, par exemple drive-wheel:2.6:7.5</translation>
    </message>
    <message>
        <source>--range names %1, which --vary does not</source>
        <translation>--range nomme %1, mais --vary ne le nomme pas</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 modèles essayés, le meilleur %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 modèles essayés, aucun n’atteint encore 15 ft</translation>
    </message>
    <message>
        <source>stopped before any design ran</source>
        <translation>arrêté avant qu’un modèle ne soit essayé</translation>
    </message>
    <message>
        <source>stopped after %1 designs; the best so far is printed</source>
        <translation>arrêté après %1 modèles ; le meilleur jusqu’ici est affiché</translation>
    </message>
</context>
<context>
    <name>Optimiser</name>
    <message>
        <source>choose at least one size to vary</source>
        <translation>choisis au moins une taille à faire varier</translation>
    </message>
    <message>
        <source>no design within these ranges meets the constraints</source>
        <translation>aucun modèle dans ces plages ne respecte les contraintes</translation>
    </message>
    <message>
        <source>the range of %1 is empty: %2 is more than %3</source>
        <translation>la plage de %1 est vide : %2 est plus grand que %3</translation>
    </message>
    <message>
        <source>%1 takes values from %2 to %3</source>
        <translation>%1 prend des valeurs de %2 à %3</translation>
    </message>
    <message>
        <source>the challenge&apos;s rules leave %1 no value</source>
        <translation>les règles du défi ne laissent aucune valeur à %1</translation>
    </message>
    <message>
        <source>%1 is a choice and takes no range</source>
        <translation>%1 est un choix et ne prend pas d&apos;intervalle</translation>
    </message>
</context>
<context>
    <name>OptimiserDialog</name>
    <message>
        <source>rear</source>
        <translation>arrière</translation>
    </message>
    <message>
        <source>front</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>all</source>
        <translation>intégrale</translation>
    </message>
</context>
<context>
    <name>OptimiserView</name>
    <message>
        <source>Optimiser design</source>
        <translation>Modèle de l’optimiseur</translation>
    </message>
</context>
<context>
    <name>OutlinePoints</name>
    <message>
        <source>An outline needs at least 5 points; this one has %1.</source>
        <translation>Un contour a besoin d’au moins 5 points ; celui-ci en a %1.</translation>
    </message>
    <message>
        <source>An outline holds at most %1 points; this one has %2.</source>
        <translation>Un contour a au plus %1 points ; celui-ci en a %2.</translation>
    </message>
    <message>
        <source>Point %1: %2Its place is two numbers of inches, across and down.</source>
        <translation>Point %1 : %2Sa place est donnée par deux nombres en pouces, en largeur et vers le bas.</translation>
    </message>
    <message>
        <source>Point %1 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down.</source>
        <translation>Le point %1 est hors de la feuille : il doit être entre 0 et 10 in en largeur et entre 0 et 7.5 in vers le bas.</translation>
    </message>
</context>
<context>
    <name>ParallelSweep</name>
    <message>
        <source>Drive wheel dia</source>
        <translation>Diam. roue motrice</translation>
    </message>
    <message>
        <source>Spring Length</source>
        <translation>Longueur du ressort</translation>
    </message>
    <message>
        <source>Spring Width</source>
        <translation>Largeur du ressort</translation>
    </message>
    <message>
        <source>time to 15 ft</source>
        <translation>temps jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>time to 15 ft, %1 %2 in</source>
        <translation>temps jusqu’à 15 ft, %1 %2 in</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ParameterCheck</name>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>The drive wheel diameter must be positive, greater than the spring chamber outer diameter, and no more than 7.5 inches.</source>
        <translation>Le diamètre de la roue motrice doit être positif, supérieur au diamètre extérieur de la chambre du ressort et pas plus de 7.5 pouces.</translation>
    </message>
    <message>
        <source>The non-drive wheel diameter must be positive, greater than 0.25 inches, no more than 7.5 inches, and greater than the axle diameter.</source>
        <translation>Le diamètre de la roue non motrice doit être positif, supérieur à 0.25 pouce, pas plus de 7.5 pouces et supérieur au diamètre de l’essieu.</translation>
    </message>
    <message>
        <source>The drive axle diameter must be positive, greater than zero, and no more than 2 inches.</source>
        <translation>Le diamètre de l’essieu moteur doit être positif, supérieur à zéro et pas plus de 2 pouces.</translation>
    </message>
    <message>
        <source>The drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>La longueur de l’essieu moteur doit être positive, supérieure à zéro et pas plus de 36 pouces.</translation>
    </message>
    <message>
        <source>The non-drive axle diameter must be positive, greater than zero, no more than 1 inch, and less than the wheel diameter.</source>
        <translation>Le diamètre de l’essieu non moteur doit être positif, supérieur à zéro, pas plus de 1 pouce et inférieur au diamètre de la roue.</translation>
    </message>
    <message>
        <source>The non-drive axle length must be positive, greater than zero, and no more than 36 inches.</source>
        <translation>La longueur de l’essieu non moteur doit être positive, supérieure à zéro et pas plus de 36 pouces.</translation>
    </message>
    <message>
        <source>The spring width must be positive, no less than 0.1 inch, and no more than 6 inches.</source>
        <translation>La largeur du ressort doit être positive, pas moins de 0.1 pouce et pas plus de 6 pouces.</translation>
    </message>
    <message>
        <source>The spring length must be positive, no less than 3 inches, and no more than 240 inches.</source>
        <translation>La longueur du ressort doit être positive, pas moins de 3 pouces et pas plus de 240 pouces.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>Le rapport du boîtier doit être positif, pas moins de 4 pour cent et pas plus de 99 pour cent.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>La force de frottement doit être positive, supérieure à 0.01 lb et pas plus de 0.25 lb.</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel must be larger than the diameter of the drive axle.</source>
        <translation>Le diamètre de la roue motrice doit être plus grand que le diamètre de l’essieu moteur.</translation>
    </message>
    <message>
        <source>The diameter of the non-drive wheel must be larger than the diameter of the non-drive axle.</source>
        <translation>Le diamètre de la roue non motrice doit être plus grand que le diamètre de l’essieu non moteur.</translation>
    </message>
</context>
<context>
    <name>PointsDialog</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Across (in)</source>
        <translation>Vers la droite (in)</translation>
    </message>
    <message>
        <source>Down (in)</source>
        <translation>Vers le bas (in)</translation>
    </message>
    <message>
        <source>&amp;Layer:</source>
        <translation>&amp;Couche :</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Couche extérieure</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Couche intérieure</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Couche</translation>
    </message>
    <message>
        <source>Inches from the sheet&apos;s top left corner. Insert adds a point after the current one, Delete removes it.</source>
        <translation>Pouces depuis le coin supérieur gauche de la feuille. Inser ajoute un point après le point actuel, Suppr le retire.</translation>
    </message>
    <message>
        <source>Outline points</source>
        <translation>Points du contour</translation>
    </message>
    <message>
        <source>&amp;Add Point</source>
        <translation>&amp;Ajouter un point</translation>
    </message>
    <message>
        <source>&amp;Remove Point</source>
        <translation>&amp;Retirer le point</translation>
    </message>
</context>
<context>
    <name>Portfolio</name>
    <message>
        <source>%1 s at %2 ft</source>
        <translation>%1 s à %2 ft</translation>
    </message>
    <message>
        <source>Drive wheel diameter (in)</source>
        <translation>Diamètre de la roue motrice (in)</translation>
    </message>
    <message>
        <source>Other wheel diameter (in)</source>
        <translation>Diamètre des autres roues (in)</translation>
    </message>
    <message>
        <source>Drive axle diameter (in)</source>
        <translation>Diamètre de l’essieu moteur (in)</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Largeur du ressort (in)</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Longueur du ressort (in)</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Couches</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Top speed (ft/s)</source>
        <translation>Vitesse finale (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/s)</source>
        <translation>Vitesse de pointe (ft/s)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masse (lb)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Portfolio</source>
        <translation>Portfolio</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Predicted</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Gabarits</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Prediction, simulation and runs</source>
        <translation>Prédiction, simulation et essais</translation>
    </message>
    <message>
        <source>My prediction (s)</source>
        <translation>Ma prédiction (s)</translation>
    </message>
    <message>
        <source>Simulated time to 15 ft (s)</source>
        <translation>Temps simulé jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured, mean of the runs (s)</source>
        <translation>Mesuré, moyenne des essais (s)</translation>
    </message>
    <message>
        <source>Runs not shown: %1</source>
        <translation>Essais non affichés : %1</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>No challenge was given.</source>
        <translation>Aucun défi n’a été donné.</translation>
    </message>
    <message>
        <source>Every rule kept</source>
        <translation>Toutes les règles respectées</translation>
    </message>
    <message>
        <source>Rules broken: %1</source>
        <translation>Règles enfreintes : %1</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>respectée</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>enfreinte</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>No versions yet.</source>
        <translation>Pas encore de versions.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Versions left out: %1</source>
        <translation>Versions omises : %1</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>The challenge asks no questions.</source>
        <translation>Le défi ne pose aucune question.</translation>
    </message>
    <message>
        <source>Not answered.</source>
        <translation>Sans réponse.</translation>
    </message>
</context>
<context>
    <name>PortfolioCommand</name>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Impossible d’écrire le fichier PDF « %1 ».</translation>
    </message>
</context>
<context>
    <name>PowerDesigner</name>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>The starting spring width must be positive, greater than 0.1 inch, and not more than 6 inches. </source>
        <translation>La largeur de départ du ressort doit être positive, supérieure à 0.1 pouce et pas plus de 6 pouces. </translation>
    </message>
    <message>
        <source>The ending spring width must be positive, not less than 0.1 inch, and not more than 6 inches. </source>
        <translation>La largeur de fin du ressort doit être positive, pas moins de 0.1 pouce et pas plus de 6 pouces. </translation>
    </message>
    <message>
        <source>The spring width step size must be positive, greater than 0.01 inch, and not more than 6 inches. </source>
        <translation>Le pas de la largeur du ressort doit être positif, supérieur à 0.01 pouce et pas plus de 6 pouces. </translation>
    </message>
    <message>
        <source>The starting spring length must be positive, no less than 1 inch, and not more than 240 inches. </source>
        <translation>La longueur de départ du ressort doit être positive, pas moins de 1 pouce et pas plus de 240 pouces. </translation>
    </message>
    <message>
        <source>The ending spring length must be positive, not less than 1 inch, and not more than 240 inches. </source>
        <translation>La longueur de fin du ressort doit être positive, pas moins de 1 pouce et pas plus de 240 pouces. </translation>
    </message>
    <message>
        <source>The spring length step size must be positive, greater than 0.01 inch, and not more than 120 inches. </source>
        <translation>Le pas de la longueur du ressort doit être positif, supérieur à 0.01 pouce et pas plus de 120 pouces. </translation>
    </message>
    <message>
        <source>The starting drive wheel diameter must be positive, greater than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>Le diamètre de départ de la roue motrice doit être positif, supérieur à 0.1 pouce et pas plus de 7.5 pouces. </translation>
    </message>
    <message>
        <source>The ending drive wheel diameter must be positive, not less than 0.1 inch, and not more than 7.5 inches. </source>
        <translation>Le diamètre de fin de la roue motrice doit être positif, pas moins de 0.1 pouce et pas plus de 7.5 pouces. </translation>
    </message>
    <message>
        <source>The drive wheel diameter step size must be positive, greater than 0.01 inch, and not more than 7.5 inches. </source>
        <translation>Le pas du diamètre de la roue motrice doit être positif, supérieur à 0.01 pouce et pas plus de 7.5 pouces. </translation>
    </message>
    <message>
        <source>All ending values must be greater than their corresponding starting values.  Please double-check all of the ranges. </source>
        <translation>Chaque valeur de fin doit être plus grande que sa valeur de départ. Vérifie encore toutes les plages. </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>The case ratio must be positive, no less than 4 percent, and no more than 99 percent.</source>
        <translation>Le rapport du boîtier doit être positif, pas moins de 4 pour cent et pas plus de 99 pour cent.</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.</source>
        <translation>La force de frottement doit être positive, supérieure à 0.01 lb et pas plus de 0.25 lb.</translation>
    </message>
</context>
<context>
    <name>PrintJobs</name>
    <message>
        <source>The design has %1 layers; at most %2 layer templates can be printed.</source>
        <translation>Le modèle a %1 couches ; au plus %2 gabarits de couche peuvent être imprimés.</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Print at 100 % (actual size)</source>
        <translation>Imprime à 100 % (taille réelle)</translation>
    </message>
    <message>
        <source>Tile %1 of %2</source>
        <translation>Feuille %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ProjectorPage</name>
    <message>
        <source>Lane %1</source>
        <translation>Couloir %1</translation>
    </message>
    <message>
        <source>Lane %1   %2</source>
        <translation>Couloir %1   %2</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Times are entered at the teacher&apos;s computer.</source>
        <translation>Les temps sont saisis sur l’ordinateur de l’enseignant.</translation>
    </message>
    <message>
        <source>Follow on your phone: %1</source>
        <translation>Suis-la sur ton téléphone : %1</translation>
    </message>
    <message>
        <source>Join code for the timekeeper: %1</source>
        <translation>Code d’accès pour le chronométreur : %1</translation>
    </message>
</context>
<context>
    <name>RaceAwards</name>
    <message>
        <source>Closest to its prediction</source>
        <translation>Au plus près de sa prévision</translation>
    </message>
    <message>
        <source>Closest to its simulation</source>
        <translation>Au plus près de sa simulation</translation>
    </message>
    <message>
        <source>Best improvement</source>
        <translation>Meilleure progression</translation>
    </message>
    <message>
        <source>Fastest run</source>
        <translation>Course la plus rapide</translation>
    </message>
</context>
<context>
    <name>RaceChart</name>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distance (ft)</translation>
    </message>
    <message>
        <source>Finish 15 ft</source>
        <translation>Arrivée 15 ft</translation>
    </message>
    <message>
        <source>Winner %1 s</source>
        <translation>Gagnant %1 s</translation>
    </message>
    <message>
        <source>Selected design</source>
        <translation>Modèle choisi</translation>
    </message>
    <message>
        <source>Other designs</source>
        <translation>Autres modèles</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinage</translation>
    </message>
    <message>
        <source>No simulated design</source>
        <translation>Aucun modèle simulé</translation>
    </message>
</context>
<context>
    <name>RaceCommand</name>
    <message>
        <source>at most %1 designs can race, %2 were given</source>
        <translation>au plus %1 modèles peuvent faire la course, %2 ont été donnés</translation>
    </message>
    <message>
        <source>%1 is named twice and races once</source>
        <translation>%1 est nommé deux fois et court une fois</translation>
    </message>
    <message>
        <source>%1 cannot race: it has no run</source>
        <translation>%1 ne peut pas courir : il n’a pas de course</translation>
    </message>
</context>
<context>
    <name>RaceDay</name>
    <message>
        <source>an event holds at most %1 cars</source>
        <translation>une compétition compte au plus %1 voitures</translation>
    </message>
    <message>
        <source>there is no heat %1; the event has %2</source>
        <translation>il n’y a pas de manche %1 ; la compétition en a %2</translation>
    </message>
    <message>
        <source>heat %1 has %2 lanes, and %3 times were given</source>
        <translation>la manche %1 a %2 couloirs, et %3 temps ont été donnés</translation>
    </message>
    <message>
        <source>lane %1 of heat %2 has no car, so it has no time</source>
        <translation>le couloir %1 de la manche %2 n’a pas de voiture, donc pas de temps</translation>
    </message>
    <message>
        <source>the time in lane %1 must lie above 0 and up to 100 s</source>
        <translation>le temps du couloir %1 doit être au-dessus de 0 et jusqu’à 100 s</translation>
    </message>
    <message>
        <source>a car needs the file name of its design</source>
        <translation>une voiture a besoin du nom de fichier de son modèle</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already entered</source>
        <translation>« %1 » est déjà inscrit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not entered</source>
        <translation>« %1 » n’est pas inscrit</translation>
    </message>
</context>
<context>
    <name>RaceDayLog</name>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1 ; le carnet reste tel qu’il est</translation>
    </message>
    <message>
        <source>%1 holds no design file (*.zndl) to race</source>
        <translation>%1 ne contient aucun fichier de modèle (*.zndl) à faire courir</translation>
    </message>
</context>
<context>
    <name>RaceLabels</name>
    <message>
        <source>0.25x</source>
        <translation>0.25x</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1x</translation>
    </message>
    <message>
        <source>0.5x</source>
        <translation>0.5x</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>the model cannot run the design, so its test runs are not compared</source>
        <translation>la simulation ne peut pas faire rouler le modèle, donc ses essais sur piste ne sont pas comparés</translation>
    </message>
</context>
<context>
    <name>ResultFields</name>
    <message>
        <source>Inner Layers</source>
        <translation>Couches intérieures</translation>
    </message>
    <message>
        <source>Number of inner layers in the car body</source>
        <translation>Nombre de couches intérieures de la caisse</translation>
    </message>
    <message>
        <source>Cored layers: </source>
        <translation>Couches évidées : </translation>
    </message>
    <message>
        <source>Outer Layers</source>
        <translation>Couches extérieures</translation>
    </message>
    <message>
        <source>Number of outer layers in the car body (always 2)</source>
        <translation>Nombre de couches extérieures de la caisse (toujours 2)</translation>
    </message>
    <message>
        <source>Non-cored layers: </source>
        <translation>Couches pleines : </translation>
    </message>
    <message>
        <source>Number of Layers</source>
        <translation>Nombre de couches</translation>
    </message>
    <message>
        <source>= CarWidth/BoardThickness</source>
        <translation>= LargeurVoiture/ÉpaisseurCarton</translation>
    </message>
    <message>
        <source>Total number of layers: </source>
        <translation>Nombre total de couches : </translation>
    </message>
    <message>
        <source> layers</source>
        <translation> couches</translation>
    </message>
    <message>
        <source>Case width (in)</source>
        <translation>Largeur du boîtier (in)</translation>
    </message>
    <message>
        <source>Width of the stack of cored layers</source>
        <translation>Largeur de la pile de couches évidées</translation>
    </message>
    <message>
        <source>Chamber width: </source>
        <translation>Largeur de la chambre : </translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Body width (in)</source>
        <translation>Largeur de la caisse (in)</translation>
    </message>
    <message>
        <source>Width of body (inches)</source>
        <translation>Largeur de la caisse (pouces)</translation>
    </message>
    <message>
        <source>Car width: </source>
        <translation>Largeur de la voiture : </translation>
    </message>
    <message>
        <source>Case inner dia (in)</source>
        <translation>Diam. intérieur du boîtier (in)</translation>
    </message>
    <message>
        <source>Necessary inner diameter of the spring chamber, to accommodate the spring</source>
        <translation>Diamètre intérieur nécessaire de la chambre pour loger le ressort</translation>
    </message>
    <message>
        <source>Chamber inner diameter: </source>
        <translation>Diamètre intérieur de la chambre : </translation>
    </message>
    <message>
        <source>Case outer dia (in)</source>
        <translation>Diam. extérieur du boîtier (in)</translation>
    </message>
    <message>
        <source>The diameter of the drive wheel(s) must be equal to or larger than the outer diameter of the spring chamber.</source>
        <translation>Le diamètre des roues motrices doit être égal ou supérieur au diamètre extérieur de la chambre du ressort.</translation>
    </message>
    <message>
        <source>Chamber outer diameter: </source>
        <translation>Diamètre extérieur de la chambre : </translation>
    </message>
    <message>
        <source>Bottles needed</source>
        <translation>Bouteilles nécessaires</translation>
    </message>
    <message>
        <source>= (SpringLength/12.)/(6/SpringWidth)</source>
        <translation>= (LongueurRessort/12.)/(6/LargeurRessort)</translation>
    </message>
    <message>
        <source>Bottles needed: </source>
        <translation>Bouteilles nécessaires : </translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Diam. (in) :</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diam. roue motrice (in)</translation>
    </message>
    <message>
        <source>Other (non-drive) wheel diameter</source>
        <translation>Diamètre de l’autre roue (non motrice)</translation>
    </message>
    <message>
        <source>Other wheel dia (in)</source>
        <translation>Diam. autre roue (in)</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Largeur (in) :</translation>
    </message>
    <message>
        <source>Width of the spring strip</source>
        <translation>Largeur de la bande du ressort</translation>
    </message>
    <message>
        <source>Spring width (in)</source>
        <translation>Largeur du ressort (in)</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Longueur (in) :</translation>
    </message>
    <message>
        <source>Length of the spring strip</source>
        <translation>Longueur de la bande du ressort</translation>
    </message>
    <message>
        <source>Spring length (in)</source>
        <translation>Longueur du ressort (in)</translation>
    </message>
    <message>
        <source>Max Torque (in-lb)</source>
        <translation>Couple max. (in-lb)</translation>
    </message>
    <message>
        <source>Maximum torque of the spring</source>
        <translation>Couple maximal du ressort</translation>
    </message>
    <message>
        <source>Predicted Max Torque: </source>
        <translation>Couple max. prévu : </translation>
    </message>
    <message>
        <source> in-lb</source>
        <translation> in-lb</translation>
    </message>
    <message>
        <source>Propulsion, left (lb)</source>
        <translation>Poussée, gauche (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the drive axle</source>
        <translation>Force de poussée de l’essieu moteur au repos</translation>
    </message>
    <message>
        <source>Predicted propulsive force: </source>
        <translation>Force de poussée prévue : </translation>
    </message>
    <message>
        <source> lb</source>
        <translation> lb</translation>
    </message>
    <message>
        <source>Propulsion, right (lb)</source>
        <translation>Poussée, droite (lb)</translation>
    </message>
    <message>
        <source>Static propulsive force of the second drive axle (all-wheel drive)</source>
        <translation>Force de poussée du second essieu moteur au repos (quatre roues motrices)</translation>
    </message>
    <message>
        <source>Spring Mass (lbm)</source>
        <translation>Masse du ressort (lbm)</translation>
    </message>
    <message>
        <source>Mass of the spring(s)</source>
        <translation>Masse du ou des ressorts</translation>
    </message>
    <message>
        <source>Spring Mass: </source>
        <translation>Masse du ressort : </translation>
    </message>
    <message>
        <source> lbm</source>
        <translation> lbm</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masse totale (lbm)</translation>
    </message>
    <message>
        <source>Mass of the whole car</source>
        <translation>Masse de toute la voiture</translation>
    </message>
    <message>
        <source>Total Car Mass: </source>
        <translation>Masse totale de la voiture : </translation>
    </message>
    <message>
        <source>Board Mass (lbm)</source>
        <translation>Masse du carton (lbm)</translation>
    </message>
    <message>
        <source>Mass of the body and all four wheels</source>
        <translation>Masse de la caisse et des quatre roues</translation>
    </message>
    <message>
        <source>Board Mass: </source>
        <translation>Masse du carton : </translation>
    </message>
    <message>
        <source>Axle Mass (lbm)</source>
        <translation>Masse des essieux (lbm)</translation>
    </message>
    <message>
        <source>Mass of both axles</source>
        <translation>Masse des deux essieux</translation>
    </message>
    <message>
        <source>Axle Mass: </source>
        <translation>Masse des essieux : </translation>
    </message>
    <message>
        <source>x-centroid (in)</source>
        <translation>Centroïde x (in)</translation>
    </message>
    <message>
        <source>Measured from left edge, in inches</source>
        <translation>Mesuré depuis le bord gauche, en pouces</translation>
    </message>
    <message>
        <source>x-centroid: </source>
        <translation>Centroïde x : </translation>
    </message>
    <message>
        <source>y-centroid (in)</source>
        <translation>Centroïde y (in)</translation>
    </message>
    <message>
        <source>Measured down from top edge, in inches</source>
        <translation>Mesuré vers le bas depuis le bord supérieur, en pouces</translation>
    </message>
    <message>
        <source>y-centroid: </source>
        <translation>Centroïde y : </translation>
    </message>
    <message>
        <source>Normal force static (lb)</source>
        <translation>Force normale au repos (lb)</translation>
    </message>
    <message>
        <source>Force on rear wheels when spring is not wound</source>
        <translation>Force sur les roues arrière quand le ressort n’est pas remonté</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, unwound: </source>
        <translation>Force normale sur la roue motrice, non remonté : </translation>
    </message>
    <message>
        <source>Normal force, left (lb)</source>
        <translation>Force normale, gauche (lb)</translation>
    </message>
    <message>
        <source>Force acting on rear wheels when spring is wound</source>
        <translation>Force sur les roues arrière quand le ressort est remonté</translation>
    </message>
    <message>
        <source>Normal force on drive wheel, wound: </source>
        <translation>Force normale sur la roue motrice, remonté : </translation>
    </message>
    <message>
        <source>Normal force, right (lb)</source>
        <translation>Force normale, droite (lb)</translation>
    </message>
    <message>
        <source>= (BodyMass*CentroidInX/DistanceBetweenWheels) - (MaxTorque/DistanceBetweenWheels)</source>
        <translation>= (MasseCaisse*CentroïdeX/DistanceEntreRoues) - (CoupleMax/DistanceEntreRoues)</translation>
    </message>
    <message>
        <source>Normal force, other wheel: </source>
        <translation>Force normale, autre roue : </translation>
    </message>
    <message>
        <source>Traction, left (lb)</source>
        <translation>Adhérence, gauche (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceWound</source>
        <translation>= CoeffFrottement * ForceNormaleRemonté</translation>
    </message>
    <message>
        <source>Predicted traction, left: </source>
        <translation>Adhérence prévue, gauche : </translation>
    </message>
    <message>
        <source>Traction, right (lb)</source>
        <translation>Adhérence, droite (lb)</translation>
    </message>
    <message>
        <source>= CoeffofFriction * NormalForceFront (0 when the front lifts)</source>
        <translation>= CoeffFrottement * ForceNormaleAvant (0 quand l’avant se soulève)</translation>
    </message>
    <message>
        <source>Predicted traction, right: </source>
        <translation>Adhérence prévue, droite : </translation>
    </message>
    <message>
        <source>Revolutions</source>
        <translation>Tours</translation>
    </message>
    <message>
        <source>Revolutions the spring delivers</source>
        <translation>Tours que donne le ressort</translation>
    </message>
    <message>
        <source>Revolutions: </source>
        <translation>Tours : </translation>
    </message>
    <message>
        <source> turns</source>
        <translation> tours</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distance (ft)</translation>
    </message>
    <message>
        <source>Predicted powered distance</source>
        <translation>Distance motorisée prévue</translation>
    </message>
    <message>
        <source>Projected Distance: </source>
        <translation>Distance prévue : </translation>
    </message>
    <message>
        <source> ft</source>
        <translation> ft</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Time to 15 ft; in brackets the time of a car that stopped short</source>
        <translation>Temps jusqu’à 15 ft ; entre crochets, le temps d’une voiture arrêtée avant</translation>
    </message>
    <message>
        <source>Time to 15 ft: </source>
        <translation>Temps jusqu’à 15 ft : </translation>
    </message>
    <message>
        <source> sec</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Top speed (ft/sec)</source>
        <translation>Vitesse finale (ft/s)</translation>
    </message>
    <message>
        <source>Speed at the end of the run, when the spring ran out or the time ran out</source>
        <translation>Vitesse à la fin de la course, quand le ressort ou le temps s’est épuisé</translation>
    </message>
    <message>
        <source>Speed at 15 ft: </source>
        <translation>Vitesse à 15 ft : </translation>
    </message>
    <message>
        <source> ft/sec</source>
        <translation> ft/s</translation>
    </message>
    <message>
        <source>Speed at the end of the run (ft/sec)</source>
        <translation>Vitesse à la fin de la course (ft/s)</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Vitesse de pointe (ft/s)</translation>
    </message>
    <message>
        <source>Highest speed of the run</source>
        <translation>Vitesse la plus haute de la course</translation>
    </message>
    <message>
        <source>The prediction a run fell short of</source>
        <translation>La prévision qu’une course n’a pas atteinte</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>%1 (calibrated)</source>
        <translation>%1 (étalonné)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>9 in 10 builds</source>
        <translation>9 constructions sur 10</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distance (ft)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed (ft/s)</source>
        <translation>Vitesse (ft/s)</translation>
    </message>
    <message>
        <source>Propulsion and traction</source>
        <translation>Poussée et adhérence</translation>
    </message>
    <message>
        <source>Force (lb)</source>
        <translation>Force (lb)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Propulsion</source>
        <translation>Poussée</translation>
    </message>
    <message>
        <source>Traction</source>
        <translation>Adhérence</translation>
    </message>
    <message>
        <source>Skidding</source>
        <translation>Patinage</translation>
    </message>
    <message>
        <source>No run</source>
        <translation>Pas de course</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>Skidding wasted %1 % of your spring&apos;s energy: more weight on the drive wheels or a grippier tread would help</source>
        <translation>Le patinage a gaspillé %1 % de l’énergie de ton ressort : plus de poids sur les roues motrices ou une bande de roulement plus adhérente aiderait</translation>
    </message>
    <message>
        <source>Rolling friction took %1 % of your spring&apos;s energy: a smoother floor, truer axles or a lighter car would help</source>
        <translation>Le frottement de roulement a pris %1 % de l’énergie de ton ressort : un sol plus lisse, des essieux plus droits ou une voiture plus légère aiderait</translation>
    </message>
    <message>
        <source>Spinning the wheels up took %1 % of your spring&apos;s energy: lighter wheels would help</source>
        <translation>Mettre les roues en rotation a pris %1 % de l’énergie de ton ressort : des roues plus légères aideraient</translation>
    </message>
    <message>
        <source>Stopping the car took %1 % of your spring&apos;s energy: a spring that drives the car farther would help</source>
        <translation>Arrêter la voiture a pris %1 % de l’énergie de ton ressort : un ressort qui emmène la voiture plus loin aiderait</translation>
    </message>
</context>
<context>
    <name>RunsCommand</name>
    <message>
        <source>&quot;%1&quot; is a built-in design, which has no class folder; save it as a design file first</source>
        <translation>« %1 » est un modèle intégré, qui n’a pas de dossier de classe ; enregistre-le d’abord comme fichier de modèle</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1 ; le carnet reste tel qu’il est</translation>
    </message>
    <message>
        <source>--index: &quot;%1&quot; is not a run number (1, 2, ...)</source>
        <translation>--index : « %1 » n’est pas un numéro de course (1, 2, ...)</translation>
    </message>
    <message>
        <source>%1 has no run #%2 on &quot;%3&quot; (it has %4 there)</source>
        <translation>%1 n’a pas de course n° %2 sur « %3 » (il en a %4 là)</translation>
    </message>
    <message>
        <source>add needs DESIGN and --track</source>
        <translation>add a besoin de DESIGN et de --track</translation>
    </message>
    <message>
        <source>list needs one DESIGN or FOLDER</source>
        <translation>list a besoin d’un DESIGN ou d’un FOLDER</translation>
    </message>
    <message>
        <source>remove needs DESIGN, --track and --index</source>
        <translation>remove a besoin de DESIGN, de --track et de --index</translation>
    </message>
    <message>
        <source>add, list or remove?</source>
        <translation>add, list ou remove ?</translation>
    </message>
    <message>
        <source>unknown action &apos;%1&apos;</source>
        <translation>action inconnue « %1 »</translation>
    </message>
</context>
<context>
    <name>Sensitivity</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>La simulation ne peut pas faire rouler ce modèle.</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Longueur du ressort</translation>
    </message>
    <message>
        <source>The spring length</source>
        <translation>La longueur du ressort</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Largeur du ressort</translation>
    </message>
    <message>
        <source>The spring width</source>
        <translation>La largeur du ressort</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>The drive wheel diameter</source>
        <translation>Le diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>Other wheel diameter</source>
        <translation>Diamètre de l’autre roue</translation>
    </message>
    <message>
        <source>The other wheel diameter</source>
        <translation>Le diamètre de l’autre roue</translation>
    </message>
    <message>
        <source>Drive axle diameter</source>
        <translation>Diamètre de l’essieu moteur</translation>
    </message>
    <message>
        <source>The drive axle diameter</source>
        <translation>Le diamètre de l’essieu moteur</translation>
    </message>
    <message>
        <source>Other axle diameter</source>
        <translation>Diamètre de l’autre essieu</translation>
    </message>
    <message>
        <source>The other axle diameter</source>
        <translation>Le diamètre de l’autre essieu</translation>
    </message>
    <message>
        <source>Front axle position</source>
        <translation>Position de l’essieu avant</translation>
    </message>
    <message>
        <source>The front axle position</source>
        <translation>La position de l’essieu avant</translation>
    </message>
    <message>
        <source>%1 farther back</source>
        <translation>%1 plus en arrière</translation>
    </message>
    <message>
        <source>%1 farther forward</source>
        <translation>%1 plus en avant</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masse du poids %1</translation>
    </message>
    <message>
        <source>The weight %1 mass</source>
        <translation>La masse du poids %1</translation>
    </message>
    <message>
        <source>%1 heavier</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 lighter</source>
        <translation>%1 de moins</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Position du poids %1</translation>
    </message>
    <message>
        <source>The weight %1 position</source>
        <translation>La position du poids %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Frottement</translation>
    </message>
    <message>
        <source>The friction</source>
        <translation>Le frottement</translation>
    </message>
    <message>
        <source>Board density</source>
        <translation>Densité du carton</translation>
    </message>
    <message>
        <source>The board density</source>
        <translation>La densité du carton</translation>
    </message>
    <message>
        <source>%1 denser</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>Board thickness</source>
        <translation>Épaisseur du carton</translation>
    </message>
    <message>
        <source>The board thickness</source>
        <translation>L’épaisseur du carton</translation>
    </message>
    <message>
        <source>%1 thicker</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 thinner</source>
        <translation>%1 de moins</translation>
    </message>
    <message>
        <source>Tread friction</source>
        <translation>Frottement de la bande de roulement</translation>
    </message>
    <message>
        <source>The tread friction</source>
        <translation>Le frottement de la bande de roulement</translation>
    </message>
    <message>
        <source>%1 grippier</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 slipperier</source>
        <translation>%1 de moins</translation>
    </message>
    <message>
        <source>%1: the car no longer reaches 15 ft</source>
        <translation>%1 : la voiture n’atteint plus 15 ft</translation>
    </message>
    <message>
        <source>%1: changes nothing</source>
        <translation>%1 : ne change rien</translation>
    </message>
    <message>
        <source>%1: saves %2 s</source>
        <translation>%1 : fait gagner %2 s</translation>
    </message>
    <message>
        <source>%1: costs %2 s</source>
        <translation>%1 : fait perdre %2 s</translation>
    </message>
    <message>
        <source>%1: goes %2 ft farther</source>
        <translation>%1 : va %2 ft plus loin</translation>
    </message>
    <message>
        <source>%1: falls %2 ft shorter</source>
        <translation>%1 : s’arrête %2 ft plus tôt</translation>
    </message>
    <message>
        <source>%1 (the build keeps the drive wheel as it is)</source>
        <translation>%1 (la construction garde la roue motrice telle quelle)</translation>
    </message>
    <message>
        <source>%1 (the track&apos;s calibrated friction is used instead)</source>
        <translation>%1 (le frottement calibré de la piste est utilisé à la place)</translation>
    </message>
    <message>
        <source>%1 matters most: %2 and the car no longer reaches 15 ft.</source>
        <translation>%1 compte le plus : avec %2, la voiture n’atteint plus 15 ft.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 saves %3 s.</source>
        <translation>%1 compte le plus : %2 fait gagner %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 costs %3 s.</source>
        <translation>%1 compte le plus : %2 fait perdre %3 s.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 goes %3 ft farther.</source>
        <translation>%1 compte le plus : avec %2, la voiture va %3 ft plus loin.</translation>
    </message>
    <message>
        <source>%1 matters most: %2 falls %3 ft shorter.</source>
        <translation>%1 compte le plus : avec %2, la voiture s’arrête %3 ft plus tôt.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s time.</source>
        <translation>Aucun petit changement d’une seule entrée ne change le temps de cette voiture.</translation>
    </message>
    <message>
        <source>No small change of one input changes this car&apos;s distance.</source>
        <translation>Aucun petit changement d’une seule entrée ne change la distance de cette voiture.</translation>
    </message>
    <message>
        <source>%1 larger</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 smaller</source>
        <translation>%1 de moins</translation>
    </message>
</context>
<context>
    <name>SensitivityChart</name>
    <message>
        <source>What a small change does to the time to 15 ft</source>
        <translation>Ce que change un petit pas sur le temps jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>What a small change does to the distance reached</source>
        <translation>Ce que change un petit pas sur la distance atteinte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The step saves time</source>
        <translation>Le pas fait gagner du temps</translation>
    </message>
    <message>
        <source>The step goes farther</source>
        <translation>Le pas va plus loin</translation>
    </message>
    <message>
        <source>The step costs time</source>
        <translation>Le pas fait perdre du temps</translation>
    </message>
    <message>
        <source>The step falls shorter</source>
        <translation>Le pas s’arrête plus court</translation>
    </message>
</context>
<context>
    <name>SensitivityCommand</name>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>la simulation ne peut pas faire rouler ce modèle (vois &apos;zindle-cli analyze&apos;)</translation>
    </message>
</context>
<context>
    <name>SensitivityView</name>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Working out which change matters most...</source>
        <translation>Calcul du changement qui compte le plus...</translation>
    </message>
</context>
<context>
    <name>SheetEditing</name>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Pour dessiner une forme, clique des points sur la feuille.  Double-clique pour finir (ou appuie sur « Annuler » pour abandonner).</translation>
    </message>
    <message>
        <source>Click where the front axle goes, right of the drive axle.  A click anywhere else, Cancel or Esc leaves it where it is.</source>
        <translation>Clique là où va l’essieu avant, à droite de l’essieu moteur.  Un clic ailleurs, « Annuler » ou Échap le laisse où il est.</translation>
    </message>
    <message>
        <source>Click where the weight goes on the drawing sheet, then say how heavy it is.  Cancel or Esc adds none.</source>
        <translation>Clique sur la feuille là où va le poids, puis indique sa masse.  « Annuler » ou Échap n’en ajoute aucun.</translation>
    </message>
    <message>
        <source>Click the weight to remove.  Cancel or Esc removes none.</source>
        <translation>Clique sur le poids à retirer.  « Annuler » ou Échap n’en retire aucun.</translation>
    </message>
    <message>
        <source>Clear outer layer</source>
        <translation>Effacer la couche extérieure</translation>
    </message>
    <message>
        <source>Clear inner layer</source>
        <translation>Effacer la couche intérieure</translation>
    </message>
    <message>
        <source>Clear shapes and weights</source>
        <translation>Effacer les formes et les poids</translation>
    </message>
    <message>
        <source>Move front axle</source>
        <translation>Déplacer l’essieu avant</translation>
    </message>
    <message>
        <source>Add weight</source>
        <translation>Ajouter un poids</translation>
    </message>
    <message>
        <source>Remove weight</source>
        <translation>Retirer un poids</translation>
    </message>
    <message>
        <source>Draw outer layer</source>
        <translation>Dessiner la couche extérieure</translation>
    </message>
    <message>
        <source>Draw inner layer</source>
        <translation>Dessiner la couche intérieure</translation>
    </message>
</context>
<context>
    <name>SimulateCommand</name>
    <message>
        <source>--track needs a design file, whose folder holds the class&apos;s logbook</source>
        <translation>--track a besoin d’un fichier de modèle, dont le dossier contient le carnet de la classe</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1 ; le carnet reste tel qu’il est</translation>
    </message>
    <message>
        <source>%1 holds no calibration for &quot;%2&quot; (see &apos;zindle-cli calibrate&apos;)</source>
        <translation>%1 ne contient aucun étalonnage pour « %2 » (vois &apos;zindle-cli calibrate&apos;)</translation>
    </message>
</context>
<context>
    <name>SimulationLabels</name>
    <message>
        <source>%1 of %2 ft</source>
        <translation>%1 sur %2 ft</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Front</source>
        <translation>Tour %1 sur %2 : avant</translation>
    </message>
    <message>
        <source>Rev %1 of %2: Rear</source>
        <translation>Tour %1 sur %2 : arrière</translation>
    </message>
</context>
<context>
    <name>StandingsChart</name>
    <message>
        <source>Leader</source>
        <translation>En tête</translation>
    </message>
</context>
<context>
    <name>SweepCommand</name>
    <message>
        <source>--threads takes a whole number from 1 to 256</source>
        <translation>--threads prend un nombre entier de 1 à 256</translation>
    </message>
    <message>
        <source>a map shows two ranges; fix the third (give it F:F:S)</source>
        <translation>une carte montre deux plages ; fixe la troisième (donne-lui F:F:S)</translation>
    </message>
    <message>
        <source>these ranges make %1 simulations, more than %2; narrow them or add --force</source>
        <translation>ces plages donnent %1 simulations, plus de %2 ; réduis-les ou ajoute --force</translation>
    </message>
    <message>
        <source>Sweep: %1 of %2 simulated</source>
        <translation>Balayage : %1 sur %2 simulés</translation>
    </message>
    <message>
        <source>no combination was simulated</source>
        <translation>aucune combinaison n’a été simulée</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 simulations; the best so far is printed</source>
        <translation>arrêté après %1 simulations sur %2 ; le meilleur jusqu’ici est affiché</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>This layer should remain unglued to provide spring access.</source>
        <translation>Cette couche doit rester non collée pour laisser accès au ressort.</translation>
    </message>
    <message>
        <source>%1 (%2 in)</source>
        <translation>%1 (%2 in)</translation>
    </message>
    <message>
        <source>%1: Wheels </source>
        <translation>%1 : Roues </translation>
    </message>
    <message>
        <source>Drive wheels: %1</source>
        <translation>Roues motrices : %1</translation>
    </message>
    <message>
        <source>Other wheels: %1</source>
        <translation>Autres roues : %1</translation>
    </message>
    <message>
        <source>%1: Outer Layer template</source>
        <translation>%1 : gabarit de couche extérieure</translation>
    </message>
    <message>
        <source>%1: Outer Layer %2</source>
        <translation>%1 : couche extérieure %2</translation>
    </message>
    <message>
        <source>%1: Inner Layer template</source>
        <translation>%1 : gabarit de couche intérieure</translation>
    </message>
    <message>
        <source>%1: Inner Layer %2</source>
        <translation>%1 : couche intérieure %2</translation>
    </message>
</context>
<context>
    <name>TemplatesCommand</name>
    <message>
        <source>unknown page size &apos;%1&apos; (a4 or letter)</source>
        <translation>format de page inconnu &apos;%1&apos; (a4 ou letter)</translation>
    </message>
    <message>
        <source>Cannot write the PDF file &quot;%1&quot;.</source>
        <translation>Impossible d’écrire le fichier PDF « %1 ».</translation>
    </message>
    <message>
        <source>--page is an option of PDF files; cut files take --board</source>
        <translation>--page est une option des fichiers PDF ; les fichiers de découpe prennent --board</translation>
    </message>
    <message>
        <source>the report is not a cut part (cut files take all, inner, outer or wheels)</source>
        <translation>le rapport n’est pas une pièce à découper (les fichiers de découpe prennent all, inner, outer ou wheels)</translation>
    </message>
    <message>
        <source>unknown set &apos;%1&apos;</source>
        <translation>ensemble inconnu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>bad board size &apos;%1&apos; (WxH in inches, or WxHmm; each side above 0 and up to 1000 in)</source>
        <translation>taille de carton invalide &apos;%1&apos; (LxH en pouces, ou LxHmm ; chaque côté supérieur à 0 et au plus 1000 in)</translation>
    </message>
    <message>
        <source>unknown profile &apos;%1&apos; (laser, plotter or print)</source>
        <translation>profil inconnu &apos;%1&apos; (laser, plotter ou print)</translation>
    </message>
    <message>
        <source>bad kerf &apos;%1&apos; (inches, from 0 to 0.25)</source>
        <translation>largeur de coupe invalide &apos;%1&apos; (pouces, de 0 à 0.25)</translation>
    </message>
    <message>
        <source>unknown colour &apos;%1&apos; (a name such as red or green, or #rrggbb)</source>
        <translation>couleur inconnue &apos;%1&apos; (un nom comme red ou green, ou #rrggbb)</translation>
    </message>
    <message>
        <source>%1 is an option of .svg and .dxf cut files</source>
        <translation>%1 est une option des fichiers de découpe .svg et .dxf</translation>
    </message>
    <message>
        <source>bad --kerf-for &apos;%1&apos; (MATERIAL=IN, the kerf in inches from 0 to 0.25)</source>
        <translation>--kerf-for invalide &apos;%1&apos; (MATERIAL=IN, la largeur de coupe en pouces de 0 à 0.25)</translation>
    </message>
    <message>
        <source>material &apos;%1&apos; is given twice</source>
        <translation>le matériau &apos;%1&apos; est donné deux fois</translation>
    </message>
    <message>
        <source>unknown board material &apos;%1&apos; (the catalogue has %2)</source>
        <translation>matériau de carton inconnu &apos;%1&apos; (le catalogue a %2)</translation>
    </message>
</context>
<context>
    <name>TestRunsReport</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s; the prediction comes to rest before it</source>
        <translation>%1 ft : mesuré %2 s ; la prévision s’arrête avant</translation>
    </message>
    <message>
        <source>%1 ft: measured %2 s, predicted %3 s, error %4</source>
        <translation>%1 ft : mesuré %2 s, prévu %3 s, erreur %4</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted still rolling when the run&apos;s time ends</source>
        <translation>Arrêt : mesuré %1 ft, prévu encore en train de rouler à la fin du temps de la course</translation>
    </message>
    <message>
        <source>Rest: measured %1 ft, predicted %2 ft</source>
        <translation>Arrêt : mesuré %1 ft, prévu %2 ft</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 course</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 courses</translation>
    </message>
    <message>
        <source>%1: no timed mark the prediction reaches (%2)</source>
        <translation>%1 : aucun repère chronométré que la prévision atteint (%2)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over 1 mark (%3)</source>
        <translation>%1 : erreur RMS %2 s sur 1 repère (%3)</translation>
    </message>
    <message>
        <source>%1: RMS error %2 s over %3 marks (%4)</source>
        <translation>%1 : erreur RMS %2 s sur %3 repères (%4)</translation>
    </message>
    <message>
        <source>Test runs of %1</source>
        <translation>Essais sur piste de %1</translation>
    </message>
    <message>
        <source>Predicted with coasting by the design&apos;s own model; an error is measured minus predicted.</source>
        <translation>Prévu avec roue libre par le modèle de calcul propre au modèle ; une erreur est le mesuré moins le prévu.</translation>
    </message>
    <message>
        <source>Predicted with coasting; an error is measured minus predicted.</source>
        <translation>Prévu avec roue libre ; une erreur est le mesuré moins le prévu.</translation>
    </message>
    <message>
        <source>Predictions %1</source>
        <translation>Prévisions %1</translation>
    </message>
    <message>
        <source>Error by track</source>
        <translation>Erreur par piste</translation>
    </message>
</context>
<context>
    <name>TestRunsView</name>
    <message>
        <source>Test runs</source>
        <translation>Essais sur piste</translation>
    </message>
    <message>
        <source>Power Designer</source>
        <translation>Concepteur de puissance</translation>
    </message>
    <message>
        <source>Power Designer (calibrated for %1)</source>
        <translation>Concepteur de puissance (étalonné pour %1)</translation>
    </message>
    <message>
        <source>Predictions %1 (the design&apos;s own texts are unchanged).</source>
        <translation>Prévisions %1 (les valeurs du modèle lui-même ne changent pas).</translation>
    </message>
</context>
<context>
    <name>ToleranceChart</name>
    <message>
        <source>No builds were run.</source>
        <translation>Aucune construction n’a été simulée.</translation>
    </message>
    <message>
        <source>Every one of %1 builds reaches 15 ft.</source>
        <translation>Chacune des %1 constructions atteint 15 ft.</translation>
    </message>
    <message>
        <source>%1 % of %2 builds reach 15 ft.</source>
        <translation>%1 % de %2 constructions atteignent 15 ft.</translation>
    </message>
    <message>
        <source>Time to 15 ft over the builds</source>
        <translation>Temps jusqu’à 15 ft selon les constructions</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Time to 15 ft (s)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Constructions</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>Builds per time</source>
        <translation>Constructions par temps</translation>
    </message>
    <message>
        <source>9 in 10 builds: %1 to %2</source>
        <translation>9 constructions sur 10 : %1 à %2</translation>
    </message>
    <message>
        <source>Half the builds: %1</source>
        <translation>La moitié des constructions : %1</translation>
    </message>
    <message>
        <source>As drawn: %1</source>
        <translation>Comme dessiné : %1</translation>
    </message>
    <message>
        <source>What makes the time spread (share of the spread)</source>
        <translation>Ce qui disperse le temps (part de la dispersion)</translation>
    </message>
</context>
<context>
    <name>ToleranceTexts</name>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time.</source>
        <translation>Construite dans ces tolérances, ta voiture atteint 15 ft en %1 s à chaque fois.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 s every time; the %2 matters most (%3 % of the spread).</source>
        <translation>Construite dans ces tolérances, ta voiture atteint 15 ft en %1 s à chaque fois. Ce qui compte le plus : %2 (%3 % de la dispersion).</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s.</source>
        <translation>Construite dans ces tolérances, ta voiture atteint 15 ft en %1 à %2 s (9 constructions sur 10), en général en %3 s.</translation>
    </message>
    <message>
        <source>Built within these tolerances, your car reaches 15 ft in %1 to %2 s (9 in 10 builds), typically %3 s; the %4 matters most (%5 % of the spread).</source>
        <translation>Construite dans ces tolérances, ta voiture atteint 15 ft en %1 à %2 s (9 constructions sur 10), en général en %3 s. Ce qui compte le plus : %4 (%5 % de la dispersion).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s.</source>
        <translation>Construites dans ces tolérances, seules %1 de tes voitures sur 100 atteignent 15 ft, la moitié de toutes les constructions en %2 s au plus.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds by %2 s; the %3 matters most (%4 % of the spread).</source>
        <translation>Construites dans ces tolérances, seules %1 de tes voitures sur 100 atteignent 15 ft, la moitié de toutes les constructions en %2 s au plus. Ce qui compte le plus : %3 (%4 % de la dispersion).</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft.</source>
        <translation>Construites dans ces tolérances, seules %1 de tes voitures sur 100 atteignent 15 ft.</translation>
    </message>
    <message>
        <source>Built within these tolerances, only %1 in 100 of your cars reach 15 ft; the %2 matters most (%3 % of the spread).</source>
        <translation>Construites dans ces tolérances, seules %1 de tes voitures sur 100 atteignent 15 ft. Ce qui compte le plus : %2 (%3 % de la dispersion).</translation>
    </message>
</context>
<context>
    <name>Tolerances</name>
    <message>
        <source>The model cannot run this design.</source>
        <translation>La simulation ne peut pas faire rouler ce modèle.</translation>
    </message>
</context>
<context>
    <name>TolerancesCommand</name>
    <message>
        <source>--tolerance %1 takes inches from 0 to 0.5 (0.0625 or 1/16)</source>
        <translation>--tolerance %1 prend des pouces de 0 à 0.5 (0.0625 ou 1/16)</translation>
    </message>
    <message>
        <source>--tolerance %1 takes a percentage from 0 to 50</source>
        <translation>--tolerance %1 prend un pourcentage de 0 à 50</translation>
    </message>
    <message>
        <source>--tolerance takes NAME=VALUE with NAME one of thickness, density, outline, wheel, torque, friction, weights (not &apos;%1&apos;)</source>
        <translation>--tolerance prend NAME=VALUE, où NAME est l’un de thickness, density, outline, wheel, torque, friction, weights (pas &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 prend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 a besoin d’une valeur</translation>
    </message>
    <message>
        <source>the model cannot run this design (see &apos;zindle-cli analyze&apos;)</source>
        <translation>la simulation ne peut pas faire rouler ce modèle (vois &apos;zindle-cli analyze&apos;)</translation>
    </message>
    <message>
        <source>stopped after %1 of %2 builds; what they show is printed</source>
        <translation>arrêté après %1 constructions sur %2 ; ce qu’elles montrent est affiché</translation>
    </message>
</context>
<context>
    <name>TrackCalibration</name>
    <message>
        <source>On %1 your cars behave as if rolling friction were %2 lb and springs gave %3 % of their rated torque; predictions now differ from your runs by %4 s on average.</source>
        <translation>Sur %1, tes voitures se comportent comme si le frottement de roulement était de %2 lb et si les ressorts donnaient %3 % de leur couple nominal ; les prévisions s’écartent maintenant de tes courses de %4 s en moyenne.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: 1 timed mark and resting distance are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Seul le frottement de roulement a été ajusté : 1 repère chronométré et distance d’arrêt, c’est trop peu pour deux facteurs, donc les ressorts sont pris à leur couple nominal.</translation>
    </message>
    <message>
        <source>Only the rolling friction was fitted: %1 timed marks and resting distances are too few for two factors, so the springs are taken at their rated torque.</source>
        <translation>Seul le frottement de roulement a été ajusté : %1 repères chronométrés et distances d’arrêt, c’est trop peu pour deux facteurs, donc les ressorts sont pris à leur couple nominal.</translation>
    </message>
    <message>
        <source>calibrated for %1: friction %2 lb, springs at %3 % of their rated torque</source>
        <translation>étalonné pour %1 : frottement %2 lb, ressorts à %3 % de leur couple nominal</translation>
    </message>
</context>
<context>
    <name>TrackFit</name>
    <message>
        <source>Note: the runs of %1 are left out: its file &quot;%2&quot; is not in %3.</source>
        <translation>Remarque : les courses de %1 sont laissées de côté. Son fichier « %2 » n’est pas dans %3.</translation>
    </message>
    <message>
        <source>Note: the runs of %1 are left out: the model cannot run the design.</source>
        <translation>Remarque : les courses de %1 sont laissées de côté. La simulation ne peut pas faire rouler ce modèle.</translation>
    </message>
    <message>
        <source>%1; the logbook is left as it is</source>
        <translation>%1 ; le carnet reste tel qu’il est</translation>
    </message>
    <message>
        <source>%1 holds no run on &quot;%2&quot; of a design the model can run; nothing was fitted</source>
        <translation>%1 ne contient aucune course sur « %2 » d’un modèle que la simulation sait faire rouler. Rien n’a été ajusté</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: its file &quot;%2&quot; is not in %3</source>
        <translation>les courses de %1 sont laissées de côté : son fichier « %2 » n’est pas dans %3</translation>
    </message>
    <message>
        <source>the runs of %1 are left out: the model cannot run the design</source>
        <translation>les courses de %1 sont laissées de côté : la simulation ne peut pas faire rouler ce modèle</translation>
    </message>
</context>
<context>
    <name>WeightTools</name>
    <message>
        <source>Added weights must be nonzero and are limited to 1 pound (positive or negative).  If you need to add more than that, you may use multiple weights.</source>
        <translation>Les poids ajoutés doivent être non nuls et sont limités à 1 livre (positive ou négative).  S’il t’en faut plus, utilise plusieurs poids.</translation>
    </message>
    <message>
        <source>The non-drive axle cannot be placed, because a four-wheel drive car does not have one.</source>
        <translation>L’essieu non moteur ne peut pas être placé, car une voiture à quatre roues motrices n’en a pas.</translation>
    </message>
</context>
<context>
    <name>WhatIf</name>
    <message>
        <source>Change spring length</source>
        <translation>Changer la longueur du ressort</translation>
    </message>
    <message>
        <source>Change spring width</source>
        <translation>Changer la largeur du ressort</translation>
    </message>
    <message>
        <source>Change drive wheel diameter</source>
        <translation>Changer le diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>Change weight</source>
        <translation>Changer le poids</translation>
    </message>
    <message>
        <source>Move weight</source>
        <translation>Déplacer le poids</translation>
    </message>
    <message>
        <source>Change friction</source>
        <translation>Changer le frottement</translation>
    </message>
    <message>
        <source>The car cannot run with this value.</source>
        <translation>La voiture ne peut pas rouler avec cette valeur.</translation>
    </message>
</context>
<context>
    <name>WheelPages</name>
    <message>
        <source>hole: %1 in dia</source>
        <translation>trou : %1 in de diam.</translation>
    </message>
</context>
<context>
    <name>WhyFastPage</name>
    <message>
        <source>%1: why it is fast, and how sure</source>
        <translation>%1 : pourquoi il est rapide, et avec quelle certitude</translation>
    </message>
    <message>
        <source>The builds within the class&apos;s tolerances could not be run.</source>
        <translation>Les constructions dans les tolérances de la classe n’ont pas pu rouler.</translation>
    </message>
</context>
<context>
    <name>WindowDialogs</name>
    <message>
        <source>Define materials</source>
        <translation>Définir les matériaux</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Changer les préférences</translation>
    </message>
</context>
<context>
    <name>zindle::AboutDialog</name>
    <message>
        <source>About Zindle</source>
        <translation>À propos de Zindle</translation>
    </message>
    <message>
        <source>Version 4.1</source>
        <translation>Version 4.1</translation>
    </message>
    <message>
        <source>Visit the Zindle help pages</source>
        <translation>Consulter les pages d’aide de Zindle (en anglais)</translation>
    </message>
    <message>
        <source>Download latest version</source>
        <translation>Télécharger la dernière version</translation>
    </message>
    <message>
        <source>20 Oct 03</source>
        <translation>20 oct. 03</translation>
    </message>
    <message>
        <source>Start designing</source>
        <translation>Commencer la conception</translation>
    </message>
</context>
<context>
    <name>zindle::AdvisoriesWindow</name>
    <message>
        <source>Advisories</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Indicates that the outer layer has no outline, so the car cannot be weighed or run. Draw the outer layer of the body.</source>
        <translation>Indique que la couche extérieure n’a pas de contour : la voiture ne peut donc être ni pesée ni rouler. Dessine la couche extérieure de la carrosserie.</translation>
    </message>
    <message>
        <source>Indicates that a value read from the design file is not a number, so the car cannot be analysed or run. Type a number into that field.</source>
        <translation>Indique qu’une valeur lue dans le fichier du modèle n’est pas un nombre : la voiture ne peut donc être ni analysée ni rouler. Tape un nombre dans ce champ.</translation>
    </message>
    <message>
        <source>Indicates that the spring delivers no revolutions: it is too short for its drive axle and chamber. Use a longer spring, a thinner drive axle or a smaller case ratio.</source>
        <translation>Indique que le ressort ne donne aucun tour : il est trop court pour son essieu moteur et sa chambre. Utilise un ressort plus long, un essieu moteur plus fin ou un rapport de boîtier plus petit.</translation>
    </message>
    <message>
        <source>Indicates that the whole car weighs less than 0.01 lb (negative added weights can do this), so its balance cannot be found and it cannot be run. Remove or lighten negative weights.</source>
        <translation>Indique que la voiture entière pèse moins de 0.01 lb (des poids négatifs peuvent en être la cause) : son équilibre ne peut donc pas être trouvé et elle ne peut pas rouler. Retire ou allège les poids négatifs.</translation>
    </message>
    <message>
        <source>Indicates that the drive and front axles are less than 0.1 inch apart, so the weight of the car cannot be shared between its wheels and it cannot be run. Move the front axle.</source>
        <translation>Indique que l’essieu moteur et l’essieu avant sont à moins de 0.1 pouce l’un de l’autre : le poids de la voiture ne peut donc pas se répartir entre ses roues et elle ne peut pas rouler. Déplace l’essieu avant.</translation>
    </message>
    <message>
        <source>Indicates that the drive wheels are likely to lose traction while accelerating.</source>
        <translation>Indique que les roues motrices risquent de patiner en accélérant.</translation>
    </message>
    <message>
        <source>Indicates that part of the car body will exceed the dimensions of the paper and will be clipped.</source>
        <translation>Indique qu’une partie de la carrosserie dépassera du papier et sera coupée.</translation>
    </message>
    <message>
        <source>Indicates that the non-drive axle is not connected to the rest of the car.</source>
        <translation>Indique que l’essieu non moteur n’est pas relié au reste de la voiture.</translation>
    </message>
    <message>
        <source>Indicates that the spring case/drive axle assembly is not connected to the rest of the car.</source>
        <translation>Indique que l’ensemble boîtier du ressort/essieu moteur n’est pas relié au reste de la voiture.</translation>
    </message>
    <message>
        <source>Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other.</source>
        <translation>Indique que les deux chambres de ressort d’une voiture à quatre roues motrices se gênent l’une l’autre.</translation>
    </message>
    <message>
        <source>Indicates that some parts of the body are not connected to anything.</source>
        <translation>Indique que certaines parties de la carrosserie ne sont reliées à rien.</translation>
    </message>
</context>
<context>
    <name>zindle::AnalyzePanel</name>
    <message>
        <source>Element size (in)</source>
        <translation>Taille de l’élément (in)</translation>
    </message>
</context>
<context>
    <name>zindle::BuildPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Draw the next layer</source>
        <translation>Dessiner la couche suivante</translation>
    </message>
    <message>
        <source>To end</source>
        <translation>À la fin</translation>
    </message>
    <message>
        <source>Draw the whole car</source>
        <translation>Dessiner toute la voiture</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Couche</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Taille de l’image</translation>
    </message>
    <message>
        <source>Size of 3D image (smaller is faster).  Press Build button to redraw.</source>
        <translation>Taille de l’image 3D (plus petite, plus rapide).  Appuie sur « Construire » pour redessiner.</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Med</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
</context>
<context>
    <name>zindle::ChallengeEditor</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xte :</translation>
    </message>
    <message>
        <source>Time to 15 ft</source>
        <translation>Temps jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Au plus près d’un temps cible</translation>
    </message>
    <message>
        <source>Energy efficiency</source>
        <translation>Efficacité énergétique</translation>
    </message>
    <message>
        <source>Target time in seconds</source>
        <translation>Temps cible en secondes</translation>
    </message>
    <message>
        <source>target (s):</source>
        <translation>cible (s) :</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>&amp;Notation :</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Règles :</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Rubric:</source>
        <translation>Grille d’évaluation :</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Pondération</translation>
    </message>
    <message>
        <source>Prompts:</source>
        <translation>Questions :</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>before the first simulation</source>
        <translation>avant la première simulation</translation>
    </message>
    <message>
        <source>after a race</source>
        <translation>après une course</translation>
    </message>
    <message>
        <source>The target time must be a number of seconds above 0.</source>
        <translation>Le temps cible doit être un nombre de secondes supérieur à 0.</translation>
    </message>
    <message>
        <source>The weight of rubric row %1 is not a number.</source>
        <translation>La pondération de la ligne %1 de la grille n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Save Challenge</source>
        <translation>Enregistrer le défi</translation>
    </message>
</context>
<context>
    <name>zindle::ChartWindow</name>
    <message>
        <source>Save Chart...</source>
        <translation>Enregistrer le graphique...</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>A chart is saved as .png, .svg or .pdf.</source>
        <translation>Un graphique s’enregistre en .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <translation>Le graphique n’a pas pu être dessiné.</translation>
    </message>
</context>
<context>
    <name>zindle::ClassResultsDialog</name>
    <message>
        <source>Class results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Prévoir pour la piste :</translation>
    </message>
    <message>
        <source>Only the runs on this track are compared, and every design is predicted with the track&apos;s calibration from the class&apos;s logbook.</source>
        <translation>Seules les courses sur cette piste sont comparées, et chaque modèle est prévu avec l’étalonnage de la piste tiré du carnet de la classe.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>Time to 15 ft (sec)</source>
        <translation>Temps jusqu’à 15 ft (s)</translation>
    </message>
    <message>
        <source>Measured (sec)</source>
        <translation>Mesuré (s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Peak speed (ft/sec)</source>
        <translation>Vitesse de pointe (ft/s)</translation>
    </message>
    <message>
        <source>Powered distance (ft)</source>
        <translation>Distance propulsée (ft)</translation>
    </message>
    <message>
        <source>Total Car Mass (lbm)</source>
        <translation>Masse totale (lbm)</translation>
    </message>
    <message>
        <source>Advisories</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Double-click a design to open it.</source>
        <translation>Double-clique sur un modèle pour l’ouvrir.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>%1: ranking %2 design files...</source>
        <translation>%1 : classement de %2 fichiers de modèle...</translation>
    </message>
    <message>
        <source>(stopped: %1 of %2 files ranked)</source>
        <translation>(arrêté : %1 fichiers sur %2 classés)</translation>
    </message>
    <message>
        <source>%1: %2 design</source>
        <translation>%1 : %2 modèle</translation>
    </message>
    <message>
        <source>%1: %2 designs</source>
        <translation>%1 : %2 modèles</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 file could not be read</source>
        <translation>%1 : %2 modèle, %3 fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 file could not be read</source>
        <translation>%1 : %2 modèles, %3 fichier n’a pas pu être lu</translation>
    </message>
    <message>
        <source>%1: %2 design, %3 files could not be read</source>
        <translation>%1 : %2 modèle, %3 fichiers n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>%1: %2 designs, %3 files could not be read</source>
        <translation>%1 : %2 modèles, %3 fichiers n’ont pas pu être lus</translation>
    </message>
    <message>
        <source>%1: no design files (.zndl) in this folder</source>
        <translation>%1 : aucun fichier de modèle (.zndl) dans ce dossier</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Export class results</source>
        <translation>Exporter les résultats de la classe</translation>
    </message>
    <message>
        <source>Web page|*.html</source>
        <translation>Page web|*.html</translation>
    </message>
    <message>
        <source>PDF document|*.pdf</source>
        <translation>Document PDF|*.pdf</translation>
    </message>
    <message>
        <source>Table (CSV)|*.csv</source>
        <translation>Tableau (CSV)|*.csv</translation>
    </message>
    <message>
        <source>The PDF of the class results could not be made.</source>
        <translation>Le PDF des résultats de la classe n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Class results are exported as .html, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Les résultats de la classe s’exportent en .html, .pdf ou .csv, pas en « %1 ».</translation>
    </message>
</context>
<context>
    <name>zindle::ConvertDialog</name>
    <message>
        <source>Convert to 4.1 file format</source>
        <translation>Convertir au format de fichier 4.1</translation>
    </message>
    <message>
        <source>This feature converts old car files to a new format for
use with Zindle 4.1.  You will first be asked to locate
a .zndl file from a previous version of Zindle.  Then,
you will be asked to resave it.  To proceed, press &quot;Convert&quot;.</source>
        <translation>Cette fonction convertit les anciens fichiers de voiture au nouveau
format de Zindle 4.1.  On te demandera d’abord de trouver
un fichier .zndl d’une version précédente de Zindle.  Ensuite,
tu devras l’enregistrer à nouveau.  Pour continuer, clique sur « Convertir ».</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zindle::CutExportDialog</name>
    <message>
        <source>Export Cut Files</source>
        <translation>Exporter les fichiers de découpe</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Knife plotter</source>
        <translation>Traceur de découpe à lame</translation>
    </message>
    <message>
        <source>Printed template</source>
        <translation>Gabarit imprimé</translation>
    </message>
    <message>
        <source>&amp;Machine:</source>
        <translation>&amp;Machine :</translation>
    </message>
    <message>
        <source>&amp;Kerf (in):</source>
        <translation>&amp;Largeur de coupe (in) :</translation>
    </message>
    <message>
        <source>Red cuts, blue engraves</source>
        <translation>Rouge découpe, bleu grave</translation>
    </message>
    <message>
        <source>Green cuts, blue engraves</source>
        <translation>Vert découpe, bleu grave</translation>
    </message>
    <message>
        <source>One layer per operation (DXF)</source>
        <translation>Un calque par opération (DXF)</translation>
    </message>
    <message>
        <source>&amp;Colours:</source>
        <translation>&amp;Couleurs :</translation>
    </message>
    <message>
        <source>Width x height in inches (add mm for millimetres), for example 20x30 or 500x750mm</source>
        <translation>Largeur x hauteur en pouces (ajoute mm pour des millimètres), par exemple 20x30 ou 500x750mm</translation>
    </message>
    <message>
        <source>&amp;Board size:</source>
        <translation>&amp;Taille du carton :</translation>
    </message>
    <message>
        <source>&amp;Gap between parts (in):</source>
        <translation>&amp;Espacement entre les pièces (in) :</translation>
    </message>
    <message>
        <source>The kerf is a number of inches from 0 to 0.25.</source>
        <translation>La largeur de coupe est un nombre de pouces de 0 à 0.25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a board size; write it as 20x30 or 500x750mm.</source>
        <translation>« %1 » n’est pas une taille de carton-plume ; écris-la sous la forme 20x30 ou 500x750mm.</translation>
    </message>
    <message>
        <source>The gap between parts is a number of inches from 0.1 to 1.</source>
        <translation>L’espacement entre les pièces est un nombre de pouces de 0.1 à 1.</translation>
    </message>
    <message>
        <source>Kerf by material (in)</source>
        <translation>Largeur de coupe par matériau (in)</translation>
    </message>
    <message>
        <source>Leave it empty to use the kerf above.</source>
        <translation>Laisse-le vide pour utiliser la largeur de coupe ci-dessus.</translation>
    </message>
    <message>
        <source>The kerf for %1 is a number of inches from 0 to 0.25.</source>
        <translation>La largeur de coupe pour %1 est un nombre de pouces de 0 à 0.25.</translation>
    </message>
</context>
<context>
    <name>zindle::DefineMaterialDialog</name>
    <message>
        <source>Define a Board Material</source>
        <translation>Définir un matériau de carton-plume</translation>
    </message>
    <message>
        <source>Define an Axle Material</source>
        <translation>Définir un matériau d’essieu</translation>
    </message>
    <message>
        <source>Define a Spring Material</source>
        <translation>Définir un matériau de ressort</translation>
    </message>
    <message>
        <source>Define a Tread Material</source>
        <translation>Définir un matériau de bande de roulement</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Board Name</source>
        <translation>Nom du carton-plume</translation>
    </message>
    <message>
        <source>Board thickness (inches)</source>
        <translation>Épaisseur du carton-plume (pouces)</translation>
    </message>
    <message>
        <source>Board density (lbm/cu in)</source>
        <translation>Densité du carton-plume (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of axle material</source>
        <translation>Nom du matériau de l’essieu</translation>
    </message>
    <message>
        <source>Density (lbm/cu in)</source>
        <translation>Densité (lbm/cu in)</translation>
    </message>
    <message>
        <source>Name of spring material</source>
        <translation>Nom du matériau du ressort</translation>
    </message>
    <message>
        <source>Thickness (in)</source>
        <translation>Épaisseur (in)</translation>
    </message>
    <message>
        <source>Width of test sample (in)</source>
        <translation>Largeur de l’échantillon (in)</translation>
    </message>
    <message>
        <source>Name of tread material</source>
        <translation>Nom du matériau de la bande de roulement</translation>
    </message>
    <message>
        <source>Coefficient of static friction</source>
        <translation>Coefficient de frottement statique</translation>
    </message>
    <message>
        <source>Experimental Torque Curve</source>
        <translation>Courbe de couple mesurée</translation>
    </message>
    <message>
        <source>Revs Unwound</source>
        <translation>Tours déroulés</translation>
    </message>
    <message>
        <source>Torque (in-lb)</source>
        <translation>Couple (in-lb)</translation>
    </message>
    <message>
        <source>0 (fully wound):</source>
        <translation>0 (remonté à fond) :</translation>
    </message>
    <message>
        <source>(remaining cells
are optional)</source>
        <translation>(les autres cases
sont facultatives)</translation>
    </message>
    <message>
        <source>Choose color...</source>
        <translation>Choisir la couleur...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zindle::DesignMapView</name>
    <message>
        <source>Not run: the sweep stopped before this combination</source>
        <translation>Pas roulé : le balayage s’est arrêté avant cette combinaison</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in (%2 in asked: enlarged to fit the spring)</source>
        <translation>Diam. roue motrice %1 in (%2 in demandés : agrandie pour loger le ressort)</translation>
    </message>
    <message>
        <source>Drive wheel dia %1 in</source>
        <translation>Diam. roue motrice %1 in</translation>
    </message>
    <message>
        <source>Spring length %1 in</source>
        <translation>Longueur du ressort %1 in</translation>
    </message>
    <message>
        <source>Spring width %1 in</source>
        <translation>Largeur du ressort %1 in</translation>
    </message>
    <message>
        <source>Does not reach 15 ft %1</source>
        <translation>N’atteint pas 15 ft %1</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s (best)</source>
        <translation>Temps jusqu’à 15 ft %1 s (le meilleur)</translation>
    </message>
    <message>
        <source>Time to 15 ft %1 s</source>
        <translation>Temps jusqu’à 15 ft %1 s</translation>
    </message>
    <message>
        <source>Click to put these sizes into the design</source>
        <translation>Clique pour mettre ces dimensions dans le modèle</translation>
    </message>
</context>
<context>
    <name>zindle::DesignPanel</name>
    <message>
        <source>Inner layers</source>
        <translation>Couches intérieures</translation>
    </message>
    <message>
        <source>Outer layer</source>
        <translation>Couche extérieure</translation>
    </message>
    <message>
        <source>Wheel tread</source>
        <translation>Bande de roulement</translation>
    </message>
    <message>
        <source>Drive wheels</source>
        <translation>Roues motrices</translation>
    </message>
    <message>
        <source>Other wheels</source>
        <translation>Autres roues</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Ressort</translation>
    </message>
    <message>
        <source>Drive axle</source>
        <translation>Essieu moteur</translation>
    </message>
    <message>
        <source>Other axle</source>
        <translation>Autre essieu</translation>
    </message>
    <message>
        <source>Inner layer</source>
        <translation>Couche intérieure</translation>
    </message>
    <message>
        <source>Drive wheel</source>
        <translation>Roue motrice</translation>
    </message>
    <message>
        <source>Other wheel</source>
        <translation>Autre roue</translation>
    </message>
    <message>
        <source>Change outer layer material</source>
        <translation>Changer le matériau de la couche extérieure</translation>
    </message>
    <message>
        <source>Change inner layers material</source>
        <translation>Changer le matériau des couches intérieures</translation>
    </message>
    <message>
        <source>Change drive wheel material</source>
        <translation>Changer le matériau de la roue motrice</translation>
    </message>
    <message>
        <source>Change other wheel material</source>
        <translation>Changer le matériau de l’autre roue</translation>
    </message>
    <message>
        <source>Change drive axle material</source>
        <translation>Changer le matériau de l’essieu moteur</translation>
    </message>
    <message>
        <source>Change other axle material</source>
        <translation>Changer le matériau de l’autre essieu</translation>
    </message>
    <message>
        <source>Change spring material</source>
        <translation>Changer le matériau du ressort</translation>
    </message>
    <message>
        <source>Change wheel tread material</source>
        <translation>Changer le matériau de la bande de roulement</translation>
    </message>
    <message>
        <source>Choose rear wheel drive</source>
        <translation>Choisir la propulsion arrière</translation>
    </message>
    <message>
        <source>Choose front wheel drive</source>
        <translation>Choisir la traction avant</translation>
    </message>
    <message>
        <source>Choose four wheel drive</source>
        <translation>Choisir les quatre roues motrices</translation>
    </message>
    <message>
        <source>Outer</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Draw outer layer shape</source>
        <translation>Dessiner la forme de la couche extérieure</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Clear the outer layer shape</source>
        <translation>Effacer la forme de la couche extérieure</translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Draw inner layer shape</source>
        <translation>Dessiner la forme de la couche intérieure</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Clear the inner layer shape</source>
        <translation>Effacer la forme de la couche intérieure</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Essieu</translation>
    </message>
    <message>
        <source>Place the front axle</source>
        <translation>Placer l’essieu avant</translation>
    </message>
    <message>
        <source>+Wt</source>
        <translation>+Poids</translation>
    </message>
    <message>
        <source>Add a weight</source>
        <translation>Ajouter un poids</translation>
    </message>
    <message>
        <source>-Wt</source>
        <translation>-Poids</translation>
    </message>
    <message>
        <source>Remove a weight</source>
        <translation>Retirer un poids</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Clear the shapes and the weights</source>
        <translation>Effacer les formes et les poids</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>RWD</source>
        <translation>Prop.</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Tract.</translation>
    </message>
    <message>
        <source>AWD</source>
        <translation>4x4</translation>
    </message>
    <message>
        <source>Rear wheel drive</source>
        <translation>Propulsion arrière</translation>
    </message>
    <message>
        <source>Front wheel drive</source>
        <translation>Traction avant</translation>
    </message>
    <message>
        <source>Four wheel drive</source>
        <translation>Quatre roues motrices</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>To draw a shape, click points on the drawing sheet.  Double-click to finish (or press Cancel to abort).</source>
        <translation>Pour dessiner une forme, clique des points sur la feuille.  Double-clique pour finir (ou appuie sur « Annuler » pour abandonner).</translation>
    </message>
    <message>
        <source>Currently selected:</source>
        <translation>Sélection :</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Matériau :</translation>
    </message>
    <message>
        <source>Width (in):</source>
        <translation>Largeur (in) :</translation>
    </message>
    <message>
        <source>Length (in):</source>
        <translation>Longueur (in) :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Select parts to edit their attributes. Click &quot;Apply&quot; to apply your changes.</source>
        <translation>Sélectionne des pièces pour modifier leurs attributs. Clique sur « Appliquer » pour appliquer tes changements.</translation>
    </message>
    <message>
        <source>Dia (in):</source>
        <translation>Diam. (in) :</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia).</source>
        <translation>En surbrillance : %1 (%2, %3 pouces de diamètre).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches wide, %4 inches long).</source>
        <translation>En surbrillance : %1 (%2, %3 pouces de large, %4 pouces de long).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2, %3 inches dia, %4 inches long).</source>
        <translation>En surbrillance : %1 (%2, %3 pouces de diamètre, %4 pouces de long).</translation>
    </message>
    <message>
        <source>Highlighted: %1 (%2).</source>
        <translation>En surbrillance : %1 (%2).</translation>
    </message>
    <message>
        <source>Drive wheel enlarged to %1 in to fit the spring case</source>
        <translation>Roue motrice agrandie à %1 in pour loger le boîtier du ressort</translation>
    </message>
</context>
<context>
    <name>zindle::EventServer</name>
    <message>
        <source>the join code is missing or wrong</source>
        <translation>le code d’accès manque ou est faux</translation>
    </message>
</context>
<context>
    <name>zindle::HeatEntryPanel</name>
    <message>
        <source>Lane %1</source>
        <translation>Couloir %1</translation>
    </message>
    <message>
        <source>(blocked)</source>
        <translation>(bloqué)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Lane %1 time, %2</source>
        <translation>Temps du couloir %1, %2</translation>
    </message>
    <message>
        <source>s, or D</source>
        <translation>s, ou D</translation>
    </message>
    <message>
        <source>Lane %1 has no time yet: type it, or D for a car that did not finish.</source>
        <translation>Le couloir %1 n’a pas encore de temps : tape-le, ou D pour une voiture qui n’est pas arrivée.</translation>
    </message>
    <message>
        <source>Lane %1: %2.</source>
        <translation>Couloir %1 : %2.</translation>
    </message>
</context>
<context>
    <name>zindle::HowHeavyDialog</name>
    <message>
        <source>How heavy?</source>
        <translation>Quel poids ?</translation>
    </message>
    <message>
        <source>How heavy is this weight?</source>
        <translation>Combien pèse ce poids ?</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
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
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
</context>
<context>
    <name>zindle::MainWindow</name>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>The sweep stopped when a dialog opened.</source>
        <translation>Le balayage s’est arrêté à l’ouverture d’une boîte de dialogue.</translation>
    </message>
    <message>
        <source>Export run</source>
        <translation>Exporter la course</translation>
    </message>
    <message>
        <source>Samples of every step (CSV)|*.csv</source>
        <translation>Valeurs de chaque pas (CSV)|*.csv</translation>
    </message>
    <message>
        <source>Charts (PNG picture)|*.png</source>
        <translation>Graphiques (image PNG)|*.png</translation>
    </message>
    <message>
        <source>Charts (SVG drawing)|*.svg</source>
        <translation>Graphiques (dessin SVG)|*.svg</translation>
    </message>
    <message>
        <source>Charts (PDF document)|*.pdf</source>
        <translation>Graphiques (document PDF)|*.pdf</translation>
    </message>
    <message>
        <source>The design file %1 is no longer there.</source>
        <translation>Le fichier de modèle %1 n’existe plus.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Clear Recent Files</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>zindle::MaterialsDialog</name>
    <message>
        <source>Material Definitions</source>
        <translation>Définitions des matériaux</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Carton-plume</translation>
    </message>
    <message>
        <source>Axles</source>
        <translation>Essieux</translation>
    </message>
    <message>
        <source>Springs</source>
        <translation>Ressorts</translation>
    </message>
    <message>
        <source>Treads</source>
        <translation>Bandes de roulement</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>Select the material to edit in the list first.</source>
        <translation>Choisis d’abord dans la liste le matériau à modifier.</translation>
    </message>
    <message>
        <source>Select the material to delete in the list first.</source>
        <translation>Choisis d’abord dans la liste le matériau à supprimer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be edited. Press New to define a material of your own.</source>
        <translation>« %1 » est intégré et ne peut pas être modifié. Clique sur « Nouveau » pour définir ton propre matériau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is built in and cannot be deleted. Press New to define a material of your own.</source>
        <translation>« %1 » est intégré et ne peut pas être supprimé. Clique sur « Nouveau » pour définir ton propre matériau.</translation>
    </message>
    <message>
        <source>Delete the material &quot;%1&quot;? Parts made of it go back to the built-in material.</source>
        <translation>Supprimer le matériau « %1 » ? Les pièces faites de ce matériau reprennent le matériau intégré.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>zindle::NewEventDialog</name>
    <message>
        <source>New Event</source>
        <translation>Nouvelle compétition</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Dossier de la classe</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>&amp;Class folder:</source>
        <translation>&amp;Dossier de la classe :</translation>
    </message>
    <message>
        <source>as the logbook names it, for example Gym, lane tape</source>
        <translation>comme le carnet la nomme, par exemple Gymnase, ruban adhésif</translation>
    </message>
    <message>
        <source>T&amp;rack:</source>
        <translation>&amp;Piste :</translation>
    </message>
    <message>
        <source>&amp;Lanes:</source>
        <translation>&amp;Couloirs :</translation>
    </message>
    <message>
        <source>none, or for example 2</source>
        <translation>aucun, ou par exemple 2</translation>
    </message>
    <message>
        <source>&amp;Blocked lanes:</source>
        <translation>Couloirs &amp;bloqués :</translation>
    </message>
    <message>
        <source>Lane-balanced chart</source>
        <translation>Tableau équilibré par couloir</translation>
    </message>
    <message>
        <source>Every car in every lane in turn</source>
        <translation>Chaque voiture dans chaque couloir à tour de rôle</translation>
    </message>
    <message>
        <source>Fastest time rounds</source>
        <translation>Tours au temps le plus rapide</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>R&amp;ounds (fastest time):</source>
        <translation>T&amp;ours (temps le plus rapide) :</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Scoring:</source>
        <translation>Mode de c&amp;lassement :</translation>
    </message>
    <message>
        <source>&amp;Drop each car&apos;s slowest heat</source>
        <translation>&amp;Retirer la manche la plus lente de chaque voiture</translation>
    </message>
    <message>
        <source>Choose the class folder whose designs race.</source>
        <translation>Choisis le dossier de classe dont les modèles courent.</translation>
    </message>
    <message>
        <source>Blocked lanes are lane numbers from 1 to %1, separated by commas.</source>
        <translation>Les couloirs bloqués sont des numéros de couloir de 1 à %1, séparés par des virgules.</translation>
    </message>
    <message>
        <source>Every lane is blocked: leave at least one open.</source>
        <translation>Tous les couloirs sont bloqués : laisse-en au moins un libre.</translation>
    </message>
</context>
<context>
    <name>zindle::OptimiserDialog</name>
    <message>
        <source>Optimiser</source>
        <translation>Optimiseur</translation>
    </message>
    <message>
        <source>Sizes to vary</source>
        <translation>Tailles à faire varier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Si&amp;zes to vary:</source>
        <translation>&amp;Tailles à faire varier :</translation>
    </message>
    <message>
        <source>Least time to 15 ft</source>
        <translation>Temps le plus court jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>Greatest distance</source>
        <translation>Plus grande distance</translation>
    </message>
    <message>
        <source>Closest to a target time</source>
        <translation>Au plus près d’un temps visé</translation>
    </message>
    <message>
        <source>&amp;Goal:</source>
        <translation>&amp;Objectif :</translation>
    </message>
    <message>
        <source>&amp;Target time (s):</source>
        <translation>Temps &amp;visé (s) :</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>pas de limite</translation>
    </message>
    <message>
        <source>&amp;Mass limit (lb):</source>
        <translation>&amp;Masse maximale (lb) :</translation>
    </message>
    <message>
        <source>No s&amp;kid</source>
        <translation>Sans &amp;patinage</translation>
    </message>
    <message>
        <source>No &amp;advisory (much slower)</source>
        <translation>Sans &amp;avertissement (bien plus lent)</translation>
    </message>
    <message>
        <source>The same seed gives the same designs again</source>
        <translation>La même graine redonne les mêmes modèles</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine :</translation>
    </message>
    <message>
        <source>%1 per size</source>
        <translation>%1 par taille</translation>
    </message>
    <message>
        <source>How many designs to try at most</source>
        <translation>Combien de modèles essayer au plus</translation>
    </message>
    <message>
        <source>E&amp;valuations:</source>
        <translation>&amp;Évaluations :</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>ST&amp;OP</source>
        <translation>&amp;STOP</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Best designs</source>
        <translation>Meilleurs modèles</translation>
    </message>
    <message>
        <source>&amp;Best designs:</source>
        <translation>&amp;Les meilleurs modèles :</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>Put the chosen design&apos;s sizes into your design and show Simulate</source>
        <translation>Mets les tailles du modèle choisi dans ton modèle et affiche Simuler</translation>
    </message>
    <message>
        <source>Tick at least one size to vary.</source>
        <translation>Coche au moins une taille à faire varier.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>%1 designs tried, best %2 s</source>
        <translation>%1 modèles essayés, le meilleur %2 s</translation>
    </message>
    <message>
        <source>%1 designs tried, none reaches 15 ft yet</source>
        <translation>%1 modèles essayés, aucun n’atteint encore 15 ft</translation>
    </message>
    <message>
        <source>Stopped after %1 designs; the best so far are shown.</source>
        <translation>Arrêté après %1 modèles ; les meilleurs jusqu’ici sont affichés.</translation>
    </message>
    <message>
        <source>Nothing to show: %1.</source>
        <translation>Rien à afficher : %1.</translation>
    </message>
    <message>
        <source>spring length</source>
        <translation>longueur du ressort</translation>
    </message>
    <message>
        <source>spring width</source>
        <translation>largeur du ressort</translation>
    </message>
    <message>
        <source>drive wheel</source>
        <translation>roue motrice</translation>
    </message>
    <message>
        <source>other wheel</source>
        <translation>autre roue</translation>
    </message>
    <message>
        <source>drive axle</source>
        <translation>essieu moteur</translation>
    </message>
    <message>
        <source>other axle</source>
        <translation>autre essieu</translation>
    </message>
    <message>
        <source>front axle place</source>
        <translation>position de l’essieu avant</translation>
    </message>
    <message>
        <source>weight %1 mass</source>
        <translation>masse du poids %1</translation>
    </message>
    <message>
        <source>weight %1 place</source>
        <translation>position du poids %1</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>%1 (lb)</source>
        <translation>%1 (lb)</translation>
    </message>
    <message>
        <source>%1 (in)</source>
        <translation>%1 (in)</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Distance (ft)</source>
        <translation>Distance (ft)</translation>
    </message>
    <message>
        <source>What differs from your design</source>
        <translation>Ce qui diffère de ton modèle</translation>
    </message>
    <message>
        <source>%1 %2 → %3 lb</source>
        <translation>%1 %2 → %3 lb</translation>
    </message>
    <message>
        <source>%1 %2 → %3 in</source>
        <translation>%1 %2 → %3 in</translation>
    </message>
    <message>
        <source>short of 15 ft</source>
        <translation>n’atteint pas 15 ft</translation>
    </message>
    <message>
        <source>the same as your design</source>
        <translation>identique à ton modèle</translation>
    </message>
    <message>
        <source>The design map needs two sizes varied.</source>
        <translation>La carte des modèles a besoin de deux tailles variées.</translation>
    </message>
    <message>
        <source>%1: time to 15 ft of the designs tried</source>
        <translation>%1 : temps jusqu’à 15 ft des modèles essayés</translation>
    </message>
    <message>
        <source>The map shows the first two sizes varied, %1 and %2; the others varied too.</source>
        <translation>La carte montre les deux premières tailles variées, %1 et %2 ; les autres ont varié aussi.</translation>
    </message>
    <message>
        <source>Dots: designs sampled. Lines: each local search, to the best design it found. Ring: your design.</source>
        <translation>Points : modèles tirés au hasard. Lignes : chaque recherche locale, jusqu’au meilleur modèle trouvé. Anneau : ton modèle.</translation>
    </message>
    <message>
        <source>The design changed since the search; start it again to apply one of its designs.</source>
        <translation>Le modèle a changé depuis la recherche ; relance-la pour appliquer un de ses modèles.</translation>
    </message>
    <message>
        <source>The design is being edited; finish that first.</source>
        <translation>Le modèle est en cours de modification ; termine cela d’abord.</translation>
    </message>
    <message>
        <source>Give %1 a number in From and in To.</source>
        <translation>Il manque un nombre dans De ou dans À pour %1.</translation>
    </message>
    <message>
        <source>The target time takes seconds above 0.</source>
        <translation>Le temps visé doit être en secondes, au-dessus de 0.</translation>
    </message>
    <message>
        <source>The mass limit takes lb above 0, or nothing for no limit.</source>
        <translation>La masse maximale doit être en lb, au-dessus de 0, ou vide pour pas de limite.</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>transmission</translation>
    </message>
    <message>
        <source>spring material</source>
        <translation>matériau du ressort</translation>
    </message>
    <message>
        <source>tread material</source>
        <translation>matériau de la bande de roulement</translation>
    </message>
    <message>
        <source>outer body material</source>
        <translation>matériau de la caisse extérieure</translation>
    </message>
    <message>
        <source>inner body material</source>
        <translation>matériau de la caisse intérieure</translation>
    </message>
    <message>
        <source>drive wheel material</source>
        <translation>matériau de la roue motrice</translation>
    </message>
    <message>
        <source>other wheel material</source>
        <translation>matériau de l&apos;autre roue</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
</context>
<context>
    <name>zindle::PaperPrototypeDialog</name>
    <message>
        <source>Print Report Only</source>
        <translation>Imprimer le rapport seulement</translation>
    </message>
    <message>
        <source>Print One Inner Layer Template</source>
        <translation>Imprimer un gabarit de couche intérieure</translation>
    </message>
    <message>
        <source>Print One Outer Layer Template</source>
        <translation>Imprimer un gabarit de couche extérieure</translation>
    </message>
    <message>
        <source>Print Wheel Templates</source>
        <translation>Imprimer les gabarits des roues</translation>
    </message>
    <message>
        <source>Print Entire Set </source>
        <translation>Imprimer le jeu complet </translation>
    </message>
    <message>
        <source>Paper Prototype</source>
        <translation>Prototype en papier</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Options d’impression</translation>
    </message>
    <message>
        <source>Export Cut Files...</source>
        <translation>Exporter les fichiers de découpe...</translation>
    </message>
    <message>
        <source>Save every part as SVG or DXF for a laser cutter or cutting plotter</source>
        <translation>Enregistrer chaque pièce en SVG ou DXF pour une découpeuse laser ou un traceur de découpe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The printer could not print every page.</source>
        <translation>L’imprimante n’a pas pu imprimer toutes les pages.</translation>
    </message>
    <message>
        <source>Export Cut Files</source>
        <translation>Exporter les fichiers de découpe</translation>
    </message>
    <message>
        <source>SVG cut files</source>
        <translation>Fichiers de découpe SVG</translation>
    </message>
    <message>
        <source>DXF cut files</source>
        <translation>Fichiers de découpe DXF</translation>
    </message>
    <message>
        <source>Cut files are saved as .svg or .dxf files.</source>
        <translation>Les fichiers de découpe sont enregistrés en fichiers .svg ou .dxf.</translation>
    </message>
    <message>
        <source>The templates fit on 1 board, written to %1.</source>
        <translation>Les gabarits tiennent sur 1 carton-plume, enregistrés dans %1.</translation>
    </message>
    <message>
        <source>The templates fit on %1 boards, written to %2.</source>
        <translation>Les gabarits tiennent sur %1 cartons-plume, enregistrés dans %2.</translation>
    </message>
    <message>
        <source>Removed the boards of an earlier export: %1</source>
        <translation>Les cartons-plume d’un export précédent ont été retirés : %1</translation>
    </message>
    <message>
        <source>Laying out the boards...</source>
        <translation>Placement des pièces sur les cartons...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>zindle::PhysicsViews</name>
    <message>
        <source>Power Designer sweep</source>
        <translation>Balayage du concepteur de puissance</translation>
    </message>
    <message>
        <source>The sweep stopped when the window left Simulate.</source>
        <translation>Le balayage s’est arrêté quand la fenêtre a quitté « Simuler ».</translation>
    </message>
</context>
<context>
    <name>zindle::PowerDesignerDialog</name>
    <message>
        <source>Power Designer</source>
        <translation>Concepteur de puissance</translation>
    </message>
    <message>
        <source>Spring Width (in)</source>
        <translation>Largeur du ressort (in)</translation>
    </message>
    <message>
        <source>Width of the spring</source>
        <translation>Largeur du ressort</translation>
    </message>
    <message>
        <source>Spring Length (in)</source>
        <translation>Longueur du ressort (in)</translation>
    </message>
    <message>
        <source>Length of the spring</source>
        <translation>Longueur du ressort</translation>
    </message>
    <message>
        <source>Drive wheel dia (in)</source>
        <translation>Diam. roue motrice (in)</translation>
    </message>
    <message>
        <source>Diameter of rear (drive) wheel.  Set to 0 for minimum allowable</source>
        <translation>Diamètre de la roue arrière (motrice).  Mets 0 pour le minimum permis</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Show every combination</source>
        <translation>Montrer chaque combinaison</translation>
    </message>
    <message>
        <source>Run the combinations one after the other in the window, drawing each car (much slower)</source>
        <translation>Faire rouler les combinaisons l’une après l’autre dans la fenêtre, en dessinant chaque voiture (beaucoup plus lent)</translation>
    </message>
    <message>
        <source>Best Time to 15 ft</source>
        <translation>Meilleur temps jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>at Spring Width = </source>
        <translation>avec largeur du ressort = </translation>
    </message>
    <message>
        <source>Spring Length = </source>
        <translation>Longueur du ressort = </translation>
    </message>
    <message>
        <source>Drive Wheel Diameter = </source>
        <translation>Diamètre de la roue motrice = </translation>
    </message>
    <message>
        <source>Use best</source>
        <translation>Utiliser la meilleure</translation>
    </message>
    <message>
        <source>Put the sizes of the best time into the design</source>
        <translation>Mettre les dimensions du meilleur temps dans le modèle</translation>
    </message>
    <message>
        <source>%v of %m combinations</source>
        <translation>%v sur %m combinaisons</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>Enregistrer la carte...</translation>
    </message>
    <message>
        <source>Save the design map as a picture (PNG, SVG, PDF) or its times (CSV)</source>
        <translation>Enregistrer la carte des modèles en image (PNG, SVG, PDF) ou ses temps (CSV)</translation>
    </message>
    <message>
        <source>Show in Simulate</source>
        <translation>Montrer dans « Simuler »</translation>
    </message>
    <message>
        <source>Show the design with the sweep&apos;s sizes in Simulate mode</source>
        <translation>Montrer le modèle avec les dimensions du balayage en mode « Simuler »</translation>
    </message>
    <message>
        <source>The ranges are not valid yet</source>
        <translation>Les plages ne sont pas encore valides</translation>
    </message>
    <message>
        <source>This map is of the previous sweep; the new sweep&apos;s map shows when it ends.</source>
        <translation>Cette carte est celle du balayage précédent ; la carte du nouveau balayage s’affiche quand il se termine.</translation>
    </message>
    <message>
        <source>%1 combinations are too many for the design map.</source>
        <translation>%1 combinaisons, c’est trop pour la carte des modèles.</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so it keeps its own sizes; the map and the best show the design as it was swept.</source>
        <translation>Le modèle a changé pendant le balayage, il garde donc ses propres dimensions ; la carte et les meilleures valeurs montrent le modèle tel qu’il était pendant le balayage.</translation>
    </message>
    <message>
        <source>Power Designer sweep</source>
        <translation>Balayage du concepteur de puissance</translation>
    </message>
    <message>
        <source>The design was being edited when the sweep ended, so it keeps its own sizes.</source>
        <translation>Le modèle était en cours de modification quand le balayage s’est terminé, il garde donc ses propres dimensions.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 combinations.</source>
        <translation>Arrêté après %1 sur %2 combinaisons.</translation>
    </message>
    <message>
        <source>%1 combinations.</source>
        <translation>%1 combinaisons.</translation>
    </message>
    <message>
        <source>The design map shows two sizes against each other: this sweep varied all three. Give one of them the same from and to value for a map.</source>
        <translation>La carte des modèles montre deux dimensions l’une contre l’autre : ce balayage a fait varier les trois. Donne à l’une d’elles la même valeur de départ et d’arrivée pour avoir une carte.</translation>
    </message>
    <message>
        <source>Save design map</source>
        <translation>Enregistrer la carte des modèles</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>Times of the cells (CSV)</source>
        <translation>Temps des cases (CSV)</translation>
    </message>
    <message>
        <source>The design map could not be drawn.</source>
        <translation>La carte des modèles n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>A design map is saved as .png, .svg, .pdf or .csv, not as &quot;%1&quot;.</source>
        <translation>Une carte des modèles s’enregistre en .png, .svg, .pdf ou .csv, pas en « %1 ».</translation>
    </message>
    <message>
        <source>This map is of %1 as it was swept; the design has changed since, so its sizes cannot go into it. Press GO for a map of the design as it is.</source>
        <translation>Cette carte est celle de %1 au moment du balayage ; le modèle a changé depuis, donc ses dimensions ne peuvent pas y aller. Appuie sur LANCER pour une carte du modèle tel qu’il est.</translation>
    </message>
    <message>
        <source>This map is of %1, not of the design now in the window, so its sizes cannot go into it. Press GO for a map of this design.</source>
        <translation>Cette carte est celle de %1, pas du modèle qui est maintenant dans la fenêtre, donc ses dimensions ne peuvent pas y aller. Appuie sur LANCER pour une carte de ce modèle.</translation>
    </message>
    <message>
        <source>Apply design map cell</source>
        <translation>Appliquer une case de la carte des modèles</translation>
    </message>
    <message>
        <source>Use best combination</source>
        <translation>Utiliser la meilleure combinaison</translation>
    </message>
    <message>
        <source>The design changed during the sweep, so the sweep stopped there: every combination shown ran with the design as it was at GO.</source>
        <translation>Le modèle a changé pendant le balayage, donc le balayage s’est arrêté là : chaque combinaison montrée a roulé avec le modèle tel qu’il était au moment de LANCER.</translation>
    </message>
</context>
<context>
    <name>zindle::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Finite element size (pixels)</source>
        <translation>Taille des éléments finis (pixels)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller values are more accurate but take more time to compute)</source>
        <translation>Taille des carrés qui servent à estimer la masse de la voiture (les petites valeurs sont plus précises mais plus longues à calculer)</translation>
    </message>
    <message>
        <source>Size of the squares used to estimate mass of the car (smaller is more accurate)</source>
        <translation>Taille des carrés qui servent à estimer la masse de la voiture (plus petit est plus précis)</translation>
    </message>
    <message>
        <source>Spring to Case Area Ratio (%)</source>
        <translation>Rapport de surface ressort/boîtier (%)</translation>
    </message>
    <message>
        <source>Percent of the spring chamber that is occupied by the spring.  Larger values lead to a smaller spring chamber but fewer revolutions.</source>
        <translation>Pourcentage de la chambre du ressort occupé par le ressort.  Une grande valeur donne une chambre plus petite, mais moins de tours.</translation>
    </message>
    <message>
        <source>Ratio of spring area to case area.  Larger --&gt; smaller spring case but fewer revolutions</source>
        <translation>Rapport entre la surface du ressort et celle du boîtier.  Plus grand --&gt; boîtier du ressort plus petit, mais moins de tours</translation>
    </message>
    <message>
        <source>An assumed friction force that represents the rolling friction of your car</source>
        <translation>Une force de frottement supposée qui représente le frottement de roulement de ta voiture</translation>
    </message>
    <message>
        <source>Friction force (lb)</source>
        <translation>Force de frottement (lb)</translation>
    </message>
    <message>
        <source>Chamber</source>
        <translation>Chambre</translation>
    </message>
    <message>
        <source>Shape of spring chamber</source>
        <translation>Forme de la chambre du ressort</translation>
    </message>
    <message>
        <source>Shape for the spring chamber and its outer surface (an octagonal shape may be easier to cut by hand)</source>
        <translation>Forme de la chambre du ressort et de sa surface extérieure (une forme octogonale peut être plus facile à découper à la main)</translation>
    </message>
    <message>
        <source>Octagonal</source>
        <translation>Octogonale</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circulaire</translation>
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
        <source>The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. </source>
        <translation>La taille des éléments finis doit être positive, supérieure à 2 pixels et pas plus de 72 pixels. </translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Réessaie, s’il te plaît.</translation>
    </message>
    <message>
        <source>The case ratio must be positive, not less than 4 percent, and less than 99 percent. </source>
        <translation>Le rapport du boîtier doit être positif, pas moins de 4 pour cent et moins de 99 pour cent. </translation>
    </message>
    <message>
        <source>The friction force must be positive, greater than 0.01 lb, and not more than 0.25 lb. </source>
        <translation>La force de frottement doit être positive, supérieure à 0.01 lb et pas plus de 0.25 lb. </translation>
    </message>
</context>
<context>
    <name>zindle::PreviewPanel</name>
    <message>
        <source>Rewind</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Preview the first template</source>
        <translation>Aperçu du premier gabarit</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Preview the next template</source>
        <translation>Aperçu du gabarit suivant</translation>
    </message>
</context>
<context>
    <name>zindle::ProjectorWindow</name>
    <message>
        <source>Race Day - Projector</source>
        <translation>Jour de course - Projecteur</translation>
    </message>
</context>
<context>
    <name>zindle::RaceDayWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Ajustement du modèle aux courses sur %1...</translation>
    </message>
    <message>
        <source>simulated %1</source>
        <translation>simulé %1</translation>
    </message>
    <message>
        <source>predicted %1</source>
        <translation>prévu %1</translation>
    </message>
    <message>
        <source>Heat %1, lanes 1 to %2: %3</source>
        <translation>Manche %1, couloirs 1 à %2 : %3</translation>
    </message>
    <message>
        <source>No heat after this one.</source>
        <translation>Aucune manche après celle-ci.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulé</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Standings (simulated times %1)</source>
        <translation>Classement (temps simulés %1)</translation>
    </message>
    <message>
        <source>%1 (withdrawn)</source>
        <translation>%1 (retirée)</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Couloir %1</translation>
    </message>
    <message>
        <source>%1 (re-run)</source>
        <translation>%1 (refaite)</translation>
    </message>
    <message>
        <source>DNF</source>
        <translation>DNF</translation>
    </message>
    <message>
        <source>%1 faster</source>
        <translation>%1 plus rapide</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 d’écart</translation>
    </message>
    <message>
        <source>No heat recorded yet.</source>
        <translation>Aucune manche enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>Now racing: heat %1 of %2</source>
        <translation>En course : manche %1 sur %2</translation>
    </message>
    <message>
        <source>On deck: heat %1</source>
        <translation>Ensuite : manche %1</translation>
    </message>
    <message>
        <source>Every heat is run</source>
        <translation>Toutes les manches sont courues</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Race Day</source>
        <translation>Jour de course</translation>
    </message>
    <message>
        <source>No event open: open one, or make a new one from a class folder.</source>
        <translation>Aucune compétition ouverte : ouvres-en une ou crées-en une nouvelle à partir d’un dossier de classe.</translation>
    </message>
    <message>
        <source>Open Event...</source>
        <translation>Ouvrir une compétition...</translation>
    </message>
    <message>
        <source>New Event...</source>
        <translation>Nouvelle compétition...</translation>
    </message>
    <message>
        <source>Projector View</source>
        <translation>Vue projecteur</translation>
    </message>
    <message>
        <source>Start Page for Phones</source>
        <translation>Lancer la page pour téléphones</translation>
    </message>
    <message>
        <source>Race day status</source>
        <translation>État du jour de course</translation>
    </message>
    <message>
        <source>Now racing</source>
        <translation>En course</translation>
    </message>
    <message>
        <source>Record Heat</source>
        <translation>Enregistrer la manche</translation>
    </message>
    <message>
        <source>Re-run Heat</source>
        <translation>Refaire la manche</translation>
    </message>
    <message>
        <source>Type each lane&apos;s time (155 is 1.55 s; D: did not finish), then Enter.</source>
        <translation>Tape le temps de chaque couloir (155 vaut 1.55 s ; D : pas arrivée), puis Entrée.</translation>
    </message>
    <message>
        <source>On deck</source>
        <translation>Ensuite</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Heats (choose a recorded heat to run it again)</source>
        <translation>Manches (choisis une manche enregistrée pour la refaire)</translation>
    </message>
    <message>
        <source>Late Entry...</source>
        <translation>Inscription tardive...</translation>
    </message>
    <message>
        <source>Withdraw Car</source>
        <translation>Retirer la voiture</translation>
    </message>
    <message>
        <source>Calibrate Track</source>
        <translation>Étalonner la piste</translation>
    </message>
    <message>
        <source>%1 exists already; an event file is made once and never over another file.</source>
        <translation>%1 existe déjà ; un fichier de compétition est créé une seule fois et jamais par-dessus un autre fichier.</translation>
    </message>
    <message>
        <source>%1 was not saved, so it is not recorded: %2</source>
        <translation>%1 n’a pas été enregistré, donc ce n’est pas noté : %2</translation>
    </message>
    <message>
        <source>%1 saved; the logbook holds the event&apos;s %2 runs.</source>
        <translation>%1 enregistré ; le carnet contient les %2 courses de la compétition.</translation>
    </message>
    <message>
        <source>%1 saved in the event file, but not in the logbook: %2</source>
        <translation>%1 enregistré dans le fichier de compétition, mais pas dans le carnet : %2</translation>
    </message>
    <message>
        <source>Heat %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Choose a recorded heat in the chart to run it again.</source>
        <translation>Choisis une manche enregistrée dans le tableau pour la refaire.</translation>
    </message>
    <message>
        <source>Re-run of heat %1: its new times replace the old</source>
        <translation>Nouvelle manche %1 : ses nouveaux temps remplacent les anciens</translation>
    </message>
    <message>
        <source>Open Event</source>
        <translation>Ouvrir une compétition</translation>
    </message>
    <message>
        <source>Race day events|*.zevent</source>
        <translation>Compétitions de jour de course|*.zevent</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nouvelle compétition</translation>
    </message>
    <message>
        <source>Late Entry</source>
        <translation>Inscription tardive</translation>
    </message>
    <message>
        <source>Zindle designs|*.zndl</source>
        <translation>Modèles Zindle|*.zndl</translation>
    </message>
    <message>
        <source>A late car races from the event&apos;s class folder, %1: copy its design there first.</source>
        <translation>Une voiture tardive court depuis le dossier de classe de la compétition, %1 : copie d’abord son modèle là-bas.</translation>
    </message>
    <message>
        <source>The late entry of %1</source>
        <translation>L’inscription tardive de %1</translation>
    </message>
    <message>
        <source>Withdraw %1? Its times stay; it runs no more heats.</source>
        <translation>Retirer %1 ? Ses temps restent ; elle ne court plus aucune manche.</translation>
    </message>
    <message>
        <source>The withdrawal of %1</source>
        <translation>Le retrait de %1</translation>
    </message>
    <message>
        <source>The page for phones could not be served: %1</source>
        <translation>La page pour téléphones n’a pas pu être proposée : %1</translation>
    </message>
    <message>
        <source>Heat %1 was entered from a phone. %2</source>
        <translation>La manche %1 a été saisie depuis un téléphone. %2</translation>
    </message>
    <message>
        <source>Stop Page for Phones</source>
        <translation>Arrêter la page pour téléphones</translation>
    </message>
    <message>
        <source>Phones follow the race at %1; the timekeeper enters times there with the join code %2.</source>
        <translation>Les téléphones suivent la course sur %1 ; le chronométreur y saisit les temps avec le code %2.</translation>
    </message>
    <message>
        <source>The page for phones is no longer served.</source>
        <translation>La page pour téléphones n’est plus proposée.</translation>
    </message>
    <message>
        <source>The logbook was not updated: %1</source>
        <translation>Le carnet n’a pas été mis à jour : %1</translation>
    </message>
    <message>
        <source>%1, %2 cars, %3 heats</source>
        <translation>%1, %2 voitures, %3 manches</translation>
    </message>
    <message>
        <source>Heat %1 of %2</source>
        <translation>Manche %1 sur %2</translation>
    </message>
    <message>
        <source>Every heat is run: the standings are final.</source>
        <translation>Toutes les manches sont courues : le classement est définitif.</translation>
    </message>
</context>
<context>
    <name>zindle::RacePanel</name>
    <message>
        <source>Race playback speed</source>
        <translation>Vitesse de lecture</translation>
    </message>
    <message>
        <source>Race playback speed (0.25x is slow motion, 1x is real time).</source>
        <translation>Vitesse de lecture de la course (0.25x est le ralenti, 1x le temps réel).</translation>
    </message>
    <message>
        <source>indicates the selected design.</source>
        <translation>indique le modèle sélectionné.</translation>
    </message>
    <message>
        <source>indicates skidding.</source>
        <translation>indique un patinage.</translation>
    </message>
    <message>
        <source>A car design appears on the racetrack if it has been Simulated since its last design change.</source>
        <translation>Un modèle apparaît sur la piste s’il a été simulé depuis sa dernière modification.</translation>
    </message>
    <message>
        <source>Race Chart</source>
        <translation>Graphique de la compétition</translation>
    </message>
    <message>
        <source>Distance against time for every raced design</source>
        <translation>Distance en fonction du temps pour chaque modèle de la course</translation>
    </message>
</context>
<context>
    <name>zindle::ResultDetailsWindow</name>
    <message>
        <source>Results in Detail</source>
        <translation>Résultats en détail</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>%1: activate for its help page</source>
        <translation>%1 : active-le pour voir sa page d’aide</translation>
    </message>
    <message>
        <source>%1, enlarged to fit the spring case</source>
        <translation>%1, agrandi pour loger le boîtier du ressort</translation>
    </message>
    <message>
        <source>No results of %1 as it stands yet: press Analyze or Simulate to compute them.</source>
        <translation>Pas encore de résultats de %1 dans son état actuel : appuie sur « Analyser » ou « Simuler » pour les calculer.</translation>
    </message>
    <message>
        <source>%1 has not been run as it stands: press Simulate for its time and speed.</source>
        <translation>%1 n’a pas encore roulé dans son état actuel : appuie sur « Simuler » pour son temps et sa vitesse.</translation>
    </message>
</context>
<context>
    <name>zindle::SimulatePanel</name>
    <message>
        <source>Wind up the spring</source>
        <translation>Remonter le ressort</translation>
    </message>
    <message>
        <source>Step forward in time</source>
        <translation>Avancer dans le temps</translation>
    </message>
    <message>
        <source>View the entire cycle</source>
        <translation>Voir tout le cycle</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Revs (left)</source>
        <translation>Tours (gauche)</translation>
    </message>
    <message>
        <source>Revs (right)</source>
        <translation>Tours (droite)</translation>
    </message>
    <message>
        <source>Run Charts</source>
        <translation>Graphiques de la course</translation>
    </message>
    <message>
        <source>Distance, speed, and propulsion against traction over the whole run (Ctrl+R)</source>
        <translation>Distance, vitesse et poussée face à l’adhérence sur toute la course (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>zindle::TestRunsWindow</name>
    <message>
        <source>Fitting the model to the runs on %1...</source>
        <translation>Ajustement du modèle aux courses sur %1...</translation>
    </message>
    <message>
        <source>Test runs</source>
        <translation>Essais sur piste</translation>
    </message>
    <message>
        <source>%1; it is left as it is until it is mended.</source>
        <translation>%1 ; il reste tel quel jusqu’à ce qu’il soit réparé.</translation>
    </message>
    <message>
        <source>%1 has no design file yet. Save it in its class folder, and its runs are kept in the class&apos;s logbook beside it.</source>
        <translation>%1 n’a pas encore de fichier de modèle. Enregistre-le dans le dossier de ta classe : ses courses seront gardées dans le carnet de bord de la classe, à côté.</translation>
    </message>
    <message>
        <source>Runs of %1, kept in %2.</source>
        <translation>Courses de %1, gardées dans %2.</translation>
    </message>
    <message>
        <source>the design&apos;s own model</source>
        <translation>le modèle de calcul propre au modèle</translation>
    </message>
    <message>
        <source>%1, rest %2</source>
        <translation>%1, arrêt %2</translation>
    </message>
    <message>
        <source>Simulate the design to compare its runs with the prediction with coasting.</source>
        <translation>Simule le modèle pour comparer ses courses à la prévision avec roue libre.</translation>
    </message>
    <message>
        <source>the model with coasting: %1 s</source>
        <translation>le modèle avec roue libre : %1 s</translation>
    </message>
    <message>
        <source>the model with coasting: does not reach 15 ft</source>
        <translation>le modèle avec roue libre : n’atteint pas 15 ft</translation>
    </message>
    <message>
        <source>your runs: %1 s</source>
        <translation>tes courses : %1 s</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from 1 run by %2 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre s’écarte de 1 course de %2 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting differs from %2 runs by %3 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre s’écarte de %2 courses de %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from 1 run by %2 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre (étalonnée) s’écarte de 1 course de %2 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated) differs from %2 runs by %3 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre (étalonnée) s’écarte de %2 courses de %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from 1 run by %3 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre (étalonnée pour %2) s’écarte de 1 course de %3 s (RMS).</translation>
    </message>
    <message>
        <source>On %1 the prediction with coasting (calibrated for %2) differs from %3 runs by %4 s (RMS).</source>
        <translation>Sur %1, la prévision avec roue libre (étalonnée pour %2) s’écarte de %3 courses de %4 s (RMS).</translation>
    </message>
    <message>
        <source>Your prediction is a time above 0 and up to 100 s.</source>
        <translation>Ta prévision est un temps supérieur à 0 et jusqu’à 100 s.</translation>
    </message>
    <message>
        <source>The logbook holds 1 run of &quot;%1&quot; in %2, a file no longer in this folder. Are they the runs of %3, renamed and moved?</source>
        <translation>Le carnet de bord contient 1 course de « %1 » dans %2, un fichier qui n’est plus dans ce dossier. Est-ce une course de %3, renommé et déplacé ?</translation>
    </message>
    <message>
        <source>The logbook holds %1 runs of &quot;%2&quot; in %3, a file no longer in this folder. Are they the runs of %4, renamed and moved?</source>
        <translation>Le carnet de bord contient %1 courses de « %2 » dans %3, un fichier qui n’est plus dans ce dossier. Sont-ce les courses de %4, renommé et déplacé ?</translation>
    </message>
    <message>
        <source>Your prediction, time to 15 ft (s):</source>
        <translation>Ta prévision, temps jusqu’à 15 ft (s) :</translation>
    </message>
    <message>
        <source>before you simulate</source>
        <translation>avant de simuler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Marks (ft:s)</source>
        <translation>Repères (ft:s)</translation>
    </message>
    <message>
        <source>Rest (ft)</source>
        <translation>Arrêt (ft)</translation>
    </message>
    <message>
        <source>Mass (lb)</source>
        <translation>Masse (lb)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>Room 12 corridor, tile</source>
        <translation>Couloir de la salle 12, carrelage</translation>
    </message>
    <message>
        <source>Add Run</source>
        <translation>Ajouter la course</translation>
    </message>
    <message>
        <source>Predicted (ft:s)</source>
        <translation>Prévue (ft:s)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Delete Run</source>
        <translation>Supprimer la course</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Earlier Runs...</source>
        <translation>Courses précédentes...</translation>
    </message>
    <message>
        <source>Runs in the logbook of a design whose name and file both changed</source>
        <translation>Courses du carnet de bord d’un modèle dont le nom et le fichier ont tous deux changé</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Étalonner</translation>
    </message>
    <message>
        <source>Fit the model to the runs on</source>
        <translation>Ajuster le modèle aux courses sur</translation>
    </message>
    <message>
        <source>Predict for track:</source>
        <translation>Prévoir pour la piste :</translation>
    </message>
</context>
<context>
    <name>zindle::TolerancesWindow</name>
    <message>
        <source>board thickness</source>
        <translation>épaisseur de la plaque</translation>
    </message>
    <message>
        <source>board density</source>
        <translation>densité de la plaque</translation>
    </message>
    <message>
        <source>outline</source>
        <translation>contour</translation>
    </message>
    <message>
        <source>wheel diameter</source>
        <translation>diamètre de roue</translation>
    </message>
    <message>
        <source>spring torque</source>
        <translation>couple du ressort</translation>
    </message>
    <message>
        <source>rolling friction</source>
        <translation>frottement de roulement</translation>
    </message>
    <message>
        <source>weight mass</source>
        <translation>masse des poids</translation>
    </message>
    <message>
        <source>Build Tolerances</source>
        <translation>Tolérances de construction</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Builds</source>
        <translation>Constructions</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Race Chances</source>
        <translation>Chances en course</translation>
    </message>
    <message>
        <source>How often each design that raced beats each other, every car built within these tolerances</source>
        <translation>Combien de fois chaque modèle qui a couru bat chacun des autres, chaque voiture étant construite dans ces tolérances</translation>
    </message>
    <message>
        <source>%1 - Build Tolerances</source>
        <translation>%1 - Tolérances de construction</translation>
    </message>
    <message>
        <source>Press Run to build %1 within these tolerances.</source>
        <translation>Appuie sur « Lancer » pour construire %1 dans ces tolérances.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a number of inches from 0 to 0.5, such as 0.0625 or 1/16.</source>
        <translation>La tolérance « %1 » est un nombre de pouces de 0 à 0.5, par exemple 0.0625 ou 1/16.</translation>
    </message>
    <message>
        <source>The %1 tolerance is a percentage from 0 to 50.</source>
        <translation>La tolérance « %1 » est un pourcentage de 0 à 50.</translation>
    </message>
    <message>
        <source>Build tolerances</source>
        <translation>Tolérances de construction</translation>
    </message>
    <message>
        <source>The number of builds is a whole number from 1 to 100000.</source>
        <translation>Le nombre de constructions est un nombre entier de 1 à 100000.</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 up.</source>
        <translation>La graine est un nombre entier à partir de 0.</translation>
    </message>
    <message>
        <source>%1 of %2 builds</source>
        <translation>%1 sur %2 constructions</translation>
    </message>
    <message>
        <source>At least two designs must have raced (been simulated since their last change) to say who beats whom.</source>
        <translation>Au moins deux modèles doivent avoir couru (avoir été simulés depuis leur dernière modification) pour dire qui bat qui.</translation>
    </message>
    <message>
        <source>Building %1 designs</source>
        <translation>Construction de %1 modèles</translation>
    </message>
    <message>
        <source>Building %1 designs, %2 builds each</source>
        <translation>Construction de %1 modèles, %2 constructions chacun</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Row beats column in this share of builds</source>
        <translation>La ligne bat la colonne dans cette part des constructions</translation>
    </message>
    <message>
        <source>Not built: %1</source>
        <translation>Non construits : %1</translation>
    </message>
    <message>
        <source>%1 beats %2 in %3 % of builds</source>
        <translation>%1 bat %2 dans %3 % des constructions</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 builds</source>
        <translation>Arrêté après %1 sur %2 constructions</translation>
    </message>
    <message>
        <source>%1 builds</source>
        <translation>%1 constructions</translation>
    </message>
</context>
<context>
    <name>zindle::WhatIfWindow</name>
    <message>
        <source>falls short of 15 ft (its run ends at %1 s)</source>
        <translation>n’atteint pas 15 ft (la course s’arrête à %1 s)</translation>
    </message>
    <message>
        <source>%1 s to 15 ft</source>
        <translation>%1 s jusqu’à 15 ft</translation>
    </message>
    <message>
        <source>What if</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>Spring length</source>
        <translation>Longueur du ressort</translation>
    </message>
    <message>
        <source>Spring width</source>
        <translation>Largeur du ressort</translation>
    </message>
    <message>
        <source>Drive wheel diameter</source>
        <translation>Diamètre de la roue motrice</translation>
    </message>
    <message>
        <source>Weight mass</source>
        <translation>Masse du poids</translation>
    </message>
    <message>
        <source>Weight %1 mass</source>
        <translation>Masse du poids %1</translation>
    </message>
    <message>
        <source>Weight position</source>
        <translation>Position du poids</translation>
    </message>
    <message>
        <source>Weight %1 position</source>
        <translation>Position du poids %1</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Frottement</translation>
    </message>
    <message>
        <source>Apply spring length %1 to the design</source>
        <translation>Appliquer la longueur du ressort %1 au modèle</translation>
    </message>
    <message>
        <source>Apply spring width %1 to the design</source>
        <translation>Appliquer la largeur du ressort %1 au modèle</translation>
    </message>
    <message>
        <source>Apply drive wheel diameter %1 to the design</source>
        <translation>Appliquer le diamètre de la roue motrice %1 au modèle</translation>
    </message>
    <message>
        <source>Apply weight %1 mass %2 to the design</source>
        <translation>Appliquer la masse %2 du poids %1 au modèle</translation>
    </message>
    <message>
        <source>Apply weight %1 position %2 to the design</source>
        <translation>Appliquer la position %2 du poids %1 au modèle</translation>
    </message>
    <message>
        <source>Apply friction %1 to the design</source>
        <translation>Appliquer le frottement %1 au modèle</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <source>%1 - What If</source>
        <translation>%1 - Et si</translation>
    </message>
    <message>
        <source>Weight %1 (%2 lb)</source>
        <translation>Poids %1 (%2 lb)</translation>
    </message>
    <message>
        <source>The design has no added weight</source>
        <translation>Le modèle n’a aucun poids</translation>
    </message>
    <message>
        <source>%1 (built with a %2 in drive wheel, to fit the spring&apos;s case)</source>
        <translation>%1 (construite avec une roue motrice de %2 in, pour loger le boîtier du ressort)</translation>
    </message>
    <message>
        <source>Now: %1; before: %2</source>
        <translation>Maintenant : %1 ; avant : %2</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Maintenant : %1</translation>
    </message>
</context>
</TS>
