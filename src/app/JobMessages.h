// The job's log texts, in Windows-1252 as they go into the log byte for byte.
#pragma once

namespace orv::msg {

// Entry point and run sequence
inline constexpr const char* ReadingParameters = "Leyendo par\xE1metros de entrada";
inline constexpr const char* Parameter = "Par\xE1metro:";
inline constexpr const char* ParameterSeparator = " = ";
inline constexpr const char* StartPrinting = "Iniciando impresi\xF3n";
inline constexpr const char* EndPrinting = "Finalizando impresi\xF3n";

// Connection setup and shutdown
inline constexpr const char* OpenConnection = "Open connection";
inline constexpr const char* InitLog = "Init Log";
inline constexpr const char* ReadingIni = "Leyendo configuraci\xF3n de la base de datos de ";
inline constexpr const char* ReadingFromParameters =
    "Leyendo configuraci\xF3n de la base de datos desde parametros";
inline constexpr const char* CheckingOutputDir = "Comprobando directorio de Salida:";
inline constexpr const char* Connecting = "Conectando a la base de datos";
inline constexpr const char* HostLine = "Host = ";
inline constexpr const char* DatabaseLine = "Database = ";
inline constexpr const char* PortLine = "Port = ";
inline constexpr const char* ProtocolLine = "Protocol = ";
inline constexpr const char* Connected = "Conexi\xF3n establecida";
inline constexpr const char* ConnectError = "Error durante la conexi\xF3n: ";
inline constexpr const char* Disconnecting = "Desconectando de la base de datos";
inline constexpr const char* DisconnectError = "Error al desconectar: ";

// Order document job
inline constexpr const char* CheckingDocumentType = "Comprobando tipo de documento";
inline constexpr const char* DocumentType = "Tipo de documento ";
inline constexpr const char* PrinterCount = "Cantidad de impresoras detectadas : ";
inline constexpr const char* PrinterNumber = "Impresora N\xBA";  // + k + ": " + name
inline constexpr const char* CurrentPrinter = "Impresora actual : ";
inline constexpr const char* DocumentTypeRejected =
    "El tipo de documento no corresponde con ninguno de los admitidos.";
inline constexpr const char* Printing = "Imprimiendo";
inline constexpr const char* PdfWritten = "Pdf generado";

// Template retrieval
inline constexpr const char* LoadingTemplate = "Cargando formulario";
inline constexpr const char* TemplateNotGiven = "Formulario no encontrado";
inline constexpr const char* LoadingTemplateType = "Cargando formulario : Tipo=";
inline constexpr const char* LoadingTemplateName = " Nombre=";
inline constexpr const char* RunningQuery = "Ejecutando query : ";
inline constexpr const char* OpeningQuery = "Abriendo query.";
inline constexpr const char* QueryOpen = "Query abierto.";
inline constexpr const char* TemplateRowMissing = "No se ha podido leer el modelo del documento";
inline constexpr const char* LoadingIntoMemory = "Cargando formulario en memoria.";
inline constexpr const char* InMemory = "Formulario en memoria.";
inline constexpr const char* LoadingStream = "Cargando stream.";
inline constexpr const char* StreamLoaded = "Stream cargado.";
inline constexpr const char* AssigningPrinter = "Asignando impresora al formulario.";
inline constexpr const char* PrintOptions = "configurnado opciones de impresi?n";
inline constexpr const char* TemplateLoaded = "Formulario cargado correctamente.";

} // namespace orv::msg
