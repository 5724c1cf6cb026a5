<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Velmar</name>
    <message>
        <source>Radio &amp;Options</source>
        <translation>&amp;Opciones de la radio</translation>
    </message>
    <message>
        <source>Radio Options</source>
        <translation>Opciones de la radio</translation>
    </message>
    <message>
        <source>What each option of the radio is. The texts in quotes are the dialog&apos;s own; the radio stores each choice as one code.</source>
        <translation>Qué es cada opción de la radio. Los textos entre comillas son los del propio diálogo; la radio guarda cada elección como un código.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Sent…</source>
        <translation>Enviados…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)…</source>
        <translation>&amp;Importar canales (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Export Channels (CSV)…</source>
        <translation>&amp;Exportar canales (CSV)…</translation>
    </message>
    <message>
        <source>Propert&amp;ies…</source>
        <translation>Propie&amp;dades…</translation>
    </message>
    <message>
        <source>Export Channel Car&amp;d…</source>
        <translation>Exportar &amp;ficha de canales…</translation>
    </message>
    <message>
        <source>&amp;Print Channel Card…</source>
        <translation>Im&amp;primir ficha de canales…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Conectar</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>&amp;Other Device…</source>
        <translation>&amp;Otro dispositivo…</translation>
    </message>
    <message>
        <source>&amp;Find My Cable…</source>
        <translation>&amp;Buscar mi cable…</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>&amp;Canales</translation>
    </message>
    <message>
        <source>&amp;Fill Group with</source>
        <translation>&amp;Llenar el grupo con</translation>
    </message>
    <message>
        <source>&amp;Clear Group</source>
        <translation>&amp;Vaciar el grupo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Co&amp;mpare With…</source>
        <translation>Co&amp;mparar con…</translation>
    </message>
    <message>
        <source>Compare With &amp;Last Sent</source>
        <translation>Comparar con el ú&amp;ltimo envío</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
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
        <source>&amp;Copy Group</source>
        <translation>&amp;Copiar grupo</translation>
    </message>
    <message>
        <source>&amp;Paste Group</source>
        <translation>&amp;Pegar grupo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;All Channels</source>
        <translation>&amp;Todos los canales</translation>
    </message>
    <message>
        <source>&amp;Messages</source>
        <translation>&amp;Mensajes</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>&amp;Copy All</source>
        <translation>&amp;Copiar todo</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Merge into the file&apos;s Locations</source>
        <translation>&amp;Fusionar en las posiciones del archivo</translation>
    </message>
    <message>
        <source>Replace &amp;all channels</source>
        <translation>Reemplazar &amp;todos los canales</translation>
    </message>
    <message>
        <source>Velmar settings (*.velmar)</source>
        <translation>Ajustes de Velmar (*.velmar)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Listas de canales (*.csv)</translation>
    </message>
    <message>
        <source>Open Setting</source>
        <translation>Abrir ajuste</translation>
    </message>
    <message>
        <source>Save Setting As</source>
        <translation>Guardar ajuste como</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importar canales</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exportar canales</translation>
    </message>
    <message>
        <source>Open a Sent Setting</source>
        <translation>Abrir un ajuste enviado</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Channel Card</source>
        <translation>Exportar ficha de canales</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>The title, the notes and the channels&apos; names travel with the setting file and go on the channel card; the radio does not store them.</source>
        <translation>El título, las notas y los nombres de los canales viajan con el archivo de ajuste y aparecen en la ficha de canales; la radio no los guarda.</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Ficha de canales</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>No channel has a frequency.</source>
        <translation>Ningún canal tiene frecuencia.</translation>
    </message>
    <message>
        <source>In this mode the radio uses its own channels: the groups below are not in use until &quot;GRUOP&quot; is chosen.</source>
        <translation>En este modo la radio usa sus propios canales: los grupos de abajo no se usan hasta que se elija «GRUOP».</translation>
    </message>
    <message>
        <source>Disconnect to change the port: the port in use stays until then.</source>
        <translation>Desconecte para cambiar de puerto: el puerto en uso se mantiene hasta entonces.</translation>
    </message>
    <message>
        <source>Other Device</source>
        <translation>Otro dispositivo</translation>
    </message>
    <message>
        <source>The device COM1 stands for (a serial device, a pseudo-terminal or a link to one):</source>
        <translation>El dispositivo que representa COM1 (un dispositivo serie, un pseudoterminal o un enlace a uno):</translation>
    </message>
    <message>
        <source>Find My Cable</source>
        <translation>Buscar mi cable</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>open, the line hung up</source>
        <translation>abierto, la línea se ha colgado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Send progress</source>
        <translation>Progreso del envío</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envío</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Recibidos</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indicación</translation>
    </message>
    <message>
        <source>Closing after the Send…</source>
        <translation>Cerrando tras el envío…</translation>
    </message>
    <message>
        <source>PMR, LPD and PMR + LPD use the radio&apos;s own channels: choose &quot;GRUOP&quot; to program the groups.</source>
        <translation>PMR, LPD y PMR + LPD usan los canales propios de la radio: elija «GRUOP» para programar los grupos.</translation>
    </message>
    <message>
        <source>The channels are programmed in the &quot;GRUOP&quot; mode.</source>
        <translation>Los canales se programan en el modo «GRUOP».</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Same as</source>
        <translation>Igual que</translation>
    </message>
    <message>
        <source>Chec&amp;k Setting</source>
        <translation>Com&amp;probar ajuste</translation>
    </message>
    <message>
        <source>Check Setting</source>
        <translation>Comprobar ajuste</translation>
    </message>
    <message>
        <source>Nothing to warn of: every channel is a PMR446 or LPD433 channel in a group of its spacing, and no group holds a frequency twice.</source>
        <translation>Nada que advertir: cada canal es un canal PMR446 o LPD433 en un grupo de su separación, y ningún grupo tiene una frecuencia dos veces.</translation>
    </message>
    <message>
        <source>Nothing to check: in this mode the radio uses its own channels, not the groups.</source>
        <translation>Nada que comprobar: en este modo la radio usa sus propios canales, no los grupos.</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>No Send the radio could have taken has been kept yet: the history of sent settings holds none.</source>
        <translation>Aún no se ha guardado ningún envío que la radio pudiera haber recibido: el historial de ajustes enviados está vacío.</translation>
    </message>
</context>
</TS>
