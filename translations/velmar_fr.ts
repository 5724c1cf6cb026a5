<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Options de la radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Options de la radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Ce que signifie chaque option de la radio. Les textes entre guillemets sont ceux du dialogue lui-même ; la radio enregistre chaque choix sous forme d&apos;un code.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Envoyés…</translation>
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
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importer des canaux (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>E&amp;xporter les canaux (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propri&amp;étés…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Exporter la &amp;fiche des canaux…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Im&amp;primer la fiche des canaux…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connecter</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Déconnecter</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Autre périphérique…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Trouver mon câble…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>C&amp;anaux</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Remplir le groupe avec</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Vider le groupe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Co&amp;mparer avec…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Comparer avec le &amp;dernier envoi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
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
        <source>&amp;Copy Group</source>
        <translation>&amp;Copier le groupe</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>Co&amp;ller le groupe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Tous les canaux</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Messages</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Écraser</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Fusionner dans les emplacements du fichier</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Remplacer &amp;tous les canaux</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Réglages Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Listes de canaux (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Ouvrir un réglage</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Enregistrer le réglage sous</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Ouvrir un réglage envoyé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Exporter la fiche des canaux</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>Le titre, les notes et les noms des canaux voyagent avec le fichier de réglage et figurent sur la fiche des canaux ; la radio ne les enregistre pas.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Fiche des canaux</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Aucun canal n&apos;a de fréquence.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>Dans ce mode, la radio utilise ses propres canaux : les groupes ci-dessous ne servent qu&apos;une fois « GRUOP » choisi.</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Déconnectez pour changer de port : le port utilisé reste en place jusque-là.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Autre périphérique</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>Le périphérique que désigne COM1 (un périphérique série, un pseudo-terminal ou un lien vers l&apos;un d&apos;eux) :</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Trouver mon câble</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>intégré</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>ouvert, la ligne a raccroché</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Progression de l&apos;envoi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Reçus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indication</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Fermeture après l&apos;envoi…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD et PMR + LPD utilisent les canaux propres de la radio : choisissez « GRUOP » pour programmer les groupes.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Les canaux se programment dans le mode « GRUOP ».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Tous les canaux</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Identique à</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>&amp;Vérifier le réglage</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Vérifier le réglage</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Rien à signaler : chaque canal est un canal PMR446 ou LPD433 dans un groupe de son espacement, et aucun groupe ne contient deux fois la même fréquence.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Rien à vérifier : dans ce mode, la radio utilise ses propres canaux, pas les groupes.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Aucun envoi que la radio aurait pu prendre n&apos;a encore été conservé : l&apos;historique des réglages envoyés est vide.</translation>
    </message>
    <message>
        <source>Which channels the radio uses. &quot;PMR&quot;, &quot;LPD&quot; and &quot;PMR + LPD&quot; use the radio&apos;s own PMR446 channels, LPD433 channels or both; &quot;GRUOP&quot; (group) uses the eight groups of eight channels programmed here, and only it opens the channel edits.</source>
        <translation>Les canaux qu&apos;utilise la radio. « PMR », « LPD » et « PMR + LPD » utilisent les canaux PMR446, les canaux LPD433 ou les deux propres à la radio ; « GRUOP » (groupe) utilise les huit groupes de huit canaux programmés ici, et lui seul ouvre les champs des canaux.</translation>
    </message>
    <message>
        <source>The group shown in CH1 to CH8. The radio holds eight groups, A to H, of eight channels each; every group is sent, not only the one shown.</source>
        <translation>Le groupe affiché dans CH1 à CH8. La radio a huit groupes, de A à H, de huit canaux chacun ; tous les groupes sont envoyés, pas seulement celui affiché.</translation>
    </message>
    <message>
        <source>The channel spacing of the group shown, each group its own: &quot;12.5Khz&quot; (narrow, as PMR446 channels are) or &quot;25Khz&quot; (wide, as LPD433 channels are spaced).</source>
        <translation>L&apos;espacement des canaux du groupe affiché, propre à chaque groupe : « 12.5Khz » (étroit, comme les canaux PMR446) ou « 25Khz » (large, comme l&apos;espacement des canaux LPD433).</translation>
    </message>
    <message>
        <source>Scan delay: in the usual radio term, how long a scan stays on a busy channel before it goes on. &quot;OFF&quot;, or 1 to 60 seconds.</source>
        <translation>Délai de balayage : selon le terme radio habituel, combien de temps un balayage reste sur un canal occupé avant de reprendre. « OFF », ou de 1 à 60 secondes.</translation>
    </message>
    <message>
        <source>A time for the PTT (push-to-talk) key: &quot;OFF&quot;, or 5 to 60 seconds. What the radio times with it is not documented.</source>
        <translation>Une durée pour la touche d&apos;émission (PTT) : « OFF », ou de 5 à 60 secondes. Ce que la radio minute avec elle n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>Busy channel lock-out, in the usual radio term: the radio does not transmit on a channel in use. &quot;OFF&quot;, &quot;CA On&quot;, &quot;CT On&quot; or &quot;DT On&quot;; what each of the last three judges a channel busy by is not documented.</source>
        <translation>Verrouillage sur canal occupé (BCLO), selon le terme radio habituel : la radio n&apos;émet pas sur un canal déjà utilisé. « OFF », « CA On », « CT On » ou « DT On » ; ce sur quoi chacun des trois derniers juge un canal occupé n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>Transmit time-out timer (TOT): the longest the radio transmits for one press of the PTT key. &quot;OFF&quot;, or 15 to 240 seconds.</source>
        <translation>Limitation du temps d&apos;émission (TOT) : la durée maximale d&apos;émission pour un appui sur la touche PTT. « OFF », ou de 15 à 240 secondes.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long a voice must be heard before the radio starts to transmit. 0 to 200 milliseconds.</source>
        <translation>VOX (émission commandée par la voix) : combien de temps une voix doit être entendue avant que la radio commence à émettre. De 0 à 200 millisecondes.</translation>
    </message>
    <message>
        <source>VOX (voice-operated transmit): how long the radio goes on transmitting after the voice stops. 0.5 to 2.0 seconds.</source>
        <translation>VOX (émission commandée par la voix) : combien de temps la radio continue d&apos;émettre après que la voix s&apos;est tue. De 0,5 à 2,0 secondes.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press: 0.5, 1.0 or 2.0 seconds.</source>
        <translation>Combien de temps une touche doit être tenue pour compter comme un appui long : 0,5, 1,0 ou 2,0 secondes.</translation>
    </message>
    <message>
        <source>Battery saving (power save): while the channel is quiet the radio listens only part of the time. The values are the ratios &quot;0.0 : 0.0&quot;, &quot;1.0 : 1.0&quot;, &quot;1.5 : 1.0&quot; and &quot;2.0 : 1.0&quot;; which side of a ratio is the sleep is not documented.</source>
        <translation>Économie de batterie (power save) : tant que le canal est calme, la radio n&apos;écoute qu&apos;une partie du temps. Les valeurs sont les rapports « 0.0 : 0.0 », « 1.0 : 1.0 », « 1.5 : 1.0 » et « 2.0 : 1.0 » ; quel côté d&apos;un rapport est le sommeil n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>CTCSS, the sub-audible tones PMR446 radios call privacy codes: the set of tones the radio offers. &quot;Disable&quot;, codes &quot;1 - 38&quot; or codes &quot;1 - 50&quot;.</source>
        <translation>CTCSS, les tonalités subaudibles que les radios PMR446 appellent codes de confidentialité : l&apos;ensemble des tonalités que propose la radio. « Disable », codes « 1 - 38 » ou codes « 1 - 50 ».</translation>
    </message>
    <message>
        <source>DCS (digital coded squelch): the set of codes the radio offers. &quot;Disable&quot;, codes &quot;1 - 83&quot; or codes &quot;1 - 104&quot;.</source>
        <translation>DCS (squelch codé numérique) : l&apos;ensemble des codes que propose la radio. « Disable », codes « 1 - 83 » ou codes « 1 - 104 ».</translation>
    </message>
    <message>
        <source>&quot;On&quot; or &quot;Off&quot;. What the radio does with it is not documented.</source>
        <translation>« On » ou « Off ». Ce que la radio en fait n&apos;est pas documenté.</translation>
    </message>
    <message>
        <source>&quot;410Mhz&quot; to &quot;490Mhz&quot;, in steps of 10 MHz. What the radio does with this choice is not documented, so Velmar does not judge the channels by it; the channels themselves may be anywhere from 400 to 500 MHz.</source>
        <translation>De « 410Mhz » à « 490Mhz », par pas de 10 MHz. Ce que la radio fait de ce choix n&apos;est pas documenté, donc Velmar n&apos;en juge pas les canaux ; les canaux eux-mêmes peuvent être n&apos;importe où entre 400 et 500 MHz.</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2 (stalled: the radio may not have it)</source>
        <translation>enregistrement de l&apos;envoi du %1, somme de contrôle %2 (interrompu : la radio ne l&apos;a peut-être pas)</translation>
    </message>
    <message>
        <source>record of the Send of %1, checksum %2</source>
        <translation>enregistrement de l&apos;envoi du %1, somme de contrôle %2</translation>
    </message>
    <message numerus="yes">
        <source>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln seconds.</source>
        <comment>Unplug the radio&apos;s programming cable now, or plug it in; if it was unplugged, plug it in again. Velmar watches the serial ports for %Ln second.</comment>
        <translation>
            <numerusform>Débranchez maintenant le câble de programmation de la radio, ou branchez-le ; s&apos;il était débranché, rebranchez-le. Velmar surveille les ports série pendant %Ln seconde.</numerusform>
            <numerusform>Débranchez maintenant le câble de programmation de la radio, ou branchez-le ; s&apos;il était débranché, rebranchez-le. Velmar surveille les ports série pendant %Ln secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (not present now)</source>
        <translation>%1 (absent pour l&apos;instant)</translation>
    </message>
    <message>
        <source>%1 (a pseudo-terminal)</source>
        <translation>%1 (un pseudo-terminal)</translation>
    </message>
    <message>
        <source>%1 (the simulated radio)</source>
        <translation>%1 (la radio simulée)</translation>
    </message>
    <message>
        <source>Found the cable: COM1 is now %1</source>
        <translation>Câble trouvé : COM1 est maintenant %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing changed: no serial port appeared or came back in %Ln seconds. COM1 stays %1.</source>
        <comment>Nothing changed: no serial port appeared or came back in %Ln second. COM1 stays %1.</comment>
        <translation>
            <numerusform>Rien n&apos;a changé : aucun port série n&apos;est apparu ni revenu en %Ln seconde. COM1 reste %1.</numerusform>
            <numerusform>Rien n&apos;a changé : aucun port série n&apos;est apparu ni revenu en %Ln secondes. COM1 reste %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 went away and did not come back in %Ln seconds. Plug the cable in and try again. COM1 stays %2.</source>
        <comment>%1 went away and did not come back in %Ln second. Plug the cable in and try again. COM1 stays %2.</comment>
        <translation>
            <numerusform>%1 a disparu et n&apos;est pas revenu en %Ln seconde. Branchez le câble et réessayez. COM1 reste %2.</numerusform>
            <numerusform>%1 a disparu et n&apos;est pas revenu en %Ln secondes. Branchez le câble et réessayez. COM1 reste %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Aucun port série n&apos;est présent pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Serial ports present now:</source>
        <translation>Ports série présents :</translation>
    </message>
    <message>
        <source>%1 of %2 bytes, %3 s left</source>
        <translation>%1 sur %2 octets, encore %3 s</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2</source>
        <translation>%1 octets envoyés, somme de contrôle %2</translation>
    </message>
    <message>
        <source>Sent %1 bytes, checksum %2, but %3</source>
        <translation>%1 octets envoyés, somme de contrôle %2, mais %3</translation>
    </message>
    <message>
        <source>Sent %1 of %2 bytes: %3</source>
        <translation>%1 octets envoyés sur %2 : %3</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Reçus : %1</translation>
    </message>
    <message>
        <source>Received %1: %2</source>
        <translation>Reçus : %1 : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 completed to %3</source>
        <translation>%1 : %2 complété en %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside 400 to 500 MHz, cleared</source>
        <translation>%1 : %2 est hors de 400 à 500 MHz, effacé</translation>
    </message>
    <message>
        <source>%1: %2 moved down to %3 (6.25 kHz steps)</source>
        <translation>%1 : %2 ramené à %3 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1: %2 is not a frequency (three digits, a point, five digits), cleared</source>
        <translation>%1 : %2 n&apos;est pas une fréquence (trois chiffres, un point, cinq chiffres), effacé</translation>
    </message>
    <message>
        <source>%1 %2 shows &quot;%3&quot;, which is not a frequency that can be sent. Complete it (nine characters, such as 446.10000) or clear it, then try again.</source>
        <translation>%1 %2 affiche « %3 », qui n&apos;est pas une fréquence pouvant être envoyée. Complétez-la (neuf caractères, comme 446.10000) ou effacez-la, puis réessayez.</translation>
    </message>
    <message numerus="yes">
        <source>Please enter no more than %Ln characters.</source>
        <comment>Please enter no more than %Ln character.</comment>
        <translation>
            <numerusform>Veuillez saisir au plus %Ln caractère.</numerusform>
            <numerusform>Veuillez saisir au plus %Ln caractères.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %Ln channels. Replace them with %2?</source>
        <comment>%1 holds %Ln channel. Replace it with %2?</comment>
        <translation>
            <numerusform>%1 contient %Ln canal. Le remplacer par %2 ?</numerusform>
            <numerusform>%1 contient %Ln canaux. Les remplacer par %2 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1 canal %2</translation>
    </message>
    <message>
        <source>%1 channels %2–%3</source>
        <translation>%1 canaux %2–%3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 are both %2</source>
        <translation>%1 sont tous deux %2</translation>
    </message>
    <message>
        <source>%1 are all %2</source>
        <translation>%1 sont tous %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln things to look at before a Send; they do not stop it:</source>
        <comment>%Ln thing to look at before a Send; it does not stop it:</comment>
        <translation>
            <numerusform>%Ln point à examiner avant un envoi ; il ne l&apos;empêche pas :</numerusform>
            <numerusform>%Ln points à examiner avant un envoi ; ils ne l&apos;empêchent pas :</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 is a PMR446 channel, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1 : %2 est un canal PMR446 (large de 12,5 kHz) dans un groupe 25Khz : réglez %1 sur 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are PMR446 channels, which are 12.5 kHz wide, in a 25Khz group: set %1 to 12.5Khz.</source>
        <translation>%1 : %2 sont des canaux PMR446 (larges de 12,5 kHz) dans un groupe 25Khz : réglez %1 sur 12.5Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is an LPD433 channel, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1 : %2 est un canal LPD433 (large de 25 kHz) dans un groupe 12.5Khz : réglez %1 sur 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 are LPD433 channels, which are 25 kHz wide, in a 12.5Khz group: set %1 to 25Khz.</source>
        <translation>%1 : %2 sont des canaux LPD433 (larges de 25 kHz) dans un groupe 12.5Khz : réglez %1 sur 25Khz.</translation>
    </message>
    <message>
        <source>%1: %2 is outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1 : %2 est hors des canaux libres de licence (PMR446 : 446.00625 à 446.19375 MHz ; LPD433 : 433.07500 à 434.77500 MHz), pour information.</translation>
    </message>
    <message>
        <source>%1: %2 are outside the licence-free channels (PMR446: 446.00625 to 446.19375 MHz; LPD433: 433.07500 to 434.77500 MHz), for information.</source>
        <translation>%1 : %2 sont hors des canaux libres de licence (PMR446 : 446.00625 à 446.19375 MHz ; LPD433 : 433.07500 à 434.77500 MHz), pour information.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>Before a Send: %1</source>
        <translation>Avant un envoi : %1</translation>
    </message>
    <message>
        <source>Before a Send (1 of %1, all in Edit &gt; Check Setting): %2</source>
        <translation>Avant un envoi (1 sur %1, tous dans Édition &gt; Vérifier le réglage) : %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Channel Spacing of %1</source>
        <translation>Espacement des canaux de %1</translation>
    </message>
    <message>
        <source>Name of %1 of %2</source>
        <translation>Nom de %1 de %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Fill Group %1</source>
        <translation>Remplir le groupe %1</translation>
    </message>
    <message>
        <source>Clear Group %1</source>
        <translation>Vider le groupe %1</translation>
    </message>
    <message>
        <source>Paste Group %1</source>
        <translation>Coller le groupe %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>%1 %2: %3 is outside 400 to 500 MHz, not taken</source>
        <translation>%1 %2 : %3 est hors de 400 à 500 MHz, non pris</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a frequency, not taken</source>
        <translation>%1 %2 : %3 n&apos;est pas une fréquence, non pris</translation>
    </message>
    <message>
        <source>%1 %2: %3 moved down to %4 (6.25 kHz steps)</source>
        <translation>%1 %2 : %3 ramené à %4 (pas de 6,25 kHz)</translation>
    </message>
    <message>
        <source>%1 %2: %3 completed to %4</source>
        <translation>%1 %2 : %3 complété en %4</translation>
    </message>
    <message numerus="yes">
        <source>The title has more than %Ln characters: shorten it to keep it.</source>
        <comment>The title has more than %Ln character: shorten it to keep it.</comment>
        <translation>
            <numerusform>Le titre a plus de %Ln caractère : raccourcissez-le pour le garder.</numerusform>
            <numerusform>Le titre a plus de %Ln caractères : raccourcissez-le pour le garder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The notes have more than %Ln characters: shorten them to keep them.</source>
        <comment>The notes have more than %Ln character: shorten them to keep them.</comment>
        <translation>
            <numerusform>Les notes ont plus de %Ln caractère : raccourcissez-les pour les garder.</numerusform>
            <numerusform>Les notes ont plus de %Ln caractères : raccourcissez-les pour les garder.</numerusform>
        </translation>
    </message>
    <message>
        <source>The title holds a control character: take it out to keep it.</source>
        <translation>Le titre contient un caractère de contrôle : retirez-le pour garder le titre.</translation>
    </message>
    <message>
        <source>The notes hold a control character: take it out to keep them.</source>
        <translation>Les notes contiennent un caractère de contrôle : retirez-le pour garder les notes.</translation>
    </message>
    <message>
        <source>Made %1 with Velmar</source>
        <translation>Fait le %1 avec Velmar</translation>
    </message>
    <message>
        <source>Channel card written to %1</source>
        <translation>Fiche des canaux écrite dans %1</translation>
    </message>
    <message>
        <source>there is no font to write it in: install %1 (the fonts-dejavu-core package)</source>
        <translation>il n&apos;y a aucune police pour l&apos;écrire : installez %1 (le paquet fonts-dejavu-core)</translation>
    </message>
    <message>
        <source>The channel card was not written: %1</source>
        <translation>La fiche des canaux n&apos;a pas été écrite : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2: a name has up to %Ln characters, not taken</source>
        <comment>%1 %2: a name has up to %Ln character, not taken</comment>
        <translation>
            <numerusform>%1 %2 : un nom a au plus %Ln caractère, non pris</numerusform>
            <numerusform>%1 %2 : un nom a au plus %Ln caractères, non pris</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2: a name holds no control characters, not taken</source>
        <translation>%1 %2 : un nom ne contient pas de caractères de contrôle, non pris</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: %4 of its rows say FM, %5 say NFM.</source>
        <translation>%1 passe de %2 à %3 : %4 de ses lignes disent FM, %5 disent NFM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say FM.</source>
        <translation>%1 passe de %2 à %3 : ses lignes disent FM.</translation>
    </message>
    <message>
        <source>%1 changes from %2 to %3: its rows say NFM.</source>
        <translation>%1 passe de %2 à %3 : ses lignes disent NFM.</translation>
    </message>
    <message>
        <source>identical: this is what the radio got at %1</source>
        <translation>identique : c&apos;est ce que la radio a reçu le %1</translation>
    </message>
    <message>
        <source>identical: the setting shown is %1</source>
        <translation>identique : le réglage affiché est %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln differences from %1 to the setting shown: see the details.</source>
        <comment>%Ln difference from %1 to the setting shown: see the details.</comment>
        <translation>
            <numerusform>%Ln différence de %1 au réglage affiché : voir les détails.</numerusform>
            <numerusform>%Ln différences de %1 au réglage affiché : voir les détails.</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 %2 name</source>
        <translation>%1 %2 nom</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Opened a copy of %1: Save asks for a new file</source>
        <translation>Copie de %1 ouverte : Enregistrer demande un nouveau fichier</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Canaux exportés dans %1</translation>
    </message>
    <message>
        <source>The setting has changes that are not saved. Save them?</source>
        <translation>Le réglage a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Velmar opened or saved it. Overwrite those changes with the setting shown, or save it as another file?</source>
        <translation>%1 a été modifié par un autre programme depuis que Velmar l&apos;a ouvert ou enregistré. Écraser ces modifications avec le réglage affiché, ou l&apos;enregistrer sous un autre fichier ?</translation>
    </message>
    <message>
        <source>%1 is a channel list (CSV), not a setting file. Import its channels into the setting shown?</source>
        <translation>%1 est une liste de canaux (CSV), pas un fichier de réglage. Importer ses canaux dans le réglage affiché ?</translation>
    </message>
    <message>
        <source>Not remembered: %1</source>
        <translation>Non mémorisé : %1</translation>
    </message>
    <message>
        <source>No recent files: %1</source>
        <translation>Aucun fichier récent : %1</translation>
    </message>
    <message>
        <source>Not kept in the history of sent settings: %1</source>
        <translation>Non conservé dans l&apos;historique des réglages envoyés : %1</translation>
    </message>
    <message>
        <source>Unsaved changes not kept against a crash: %1</source>
        <translation>Modifications non enregistrées non protégées contre un plantage : %1</translation>
    </message>
    <message>
        <source>no channels</source>
        <translation>aucun canal</translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in 1 group</source>
        <comment>%Ln channel in 1 group</comment>
        <translation>
            <numerusform>%Ln canal dans 1 groupe</numerusform>
            <numerusform>%Ln canaux dans 1 groupe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln channels in %1 groups</source>
        <comment>%Ln channel in %1 groups</comment>
        <translation>
            <numerusform>%Ln canal dans %1 groupes</numerusform>
            <numerusform>%Ln canaux dans %1 groupes</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to a setting (%2). Restore them?</source>
        <translation>Velmar s&apos;est arrêté à %1 sans enregistrer les modifications d&apos;un réglage (%2). Les restaurer ?</translation>
    </message>
    <message>
        <source>Velmar ended at %1 without saving the changes to %2 (%3). Restore them?</source>
        <translation>Velmar s&apos;est arrêté à %1 sans enregistrer les modifications de %2 (%3). Les restaurer ?</translation>
    </message>
    <message>
        <source>(%1 of %2 windows) %3</source>
        <translation>(%1 sur %2 fenêtres) %3</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to a setting</source>
        <translation>Modifications non enregistrées d&apos;un réglage restaurées</translation>
    </message>
    <message>
        <source>Restored the unsaved changes to %1</source>
        <translation>Modifications non enregistrées de %1 restaurées</translation>
    </message>
</context>
</TS>
