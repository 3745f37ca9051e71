#include "cli/help_texts.h"

#include <cstdio>

#include "import/old_layout.h"

namespace lavrix::cli {
namespace {

constexpr std::string_view kStatuses =
    "Saída: 0 quando o comando teve sucesso; 1 quando ele não foi efetuado (ou, em diff, quando\n"
    "os arquivos diferem); 2 para argumentos ou arquivos inválidos.\n";

constexpr std::string_view kProgramHelp =
    "Uso: lavrix-cli COMANDO [OPÇÕES]\n"
    "\n"
    "O trabalho do Lavrix sem janela, com os mesmos arquivos de layout (*.vly) e a mesma\n"
    "gravação do editor.\n"
    "\n"
    "Comandos:\n"
    "  show ARQUIVO.vly [--page N]          mostra o modelo, a proteção e as páginas\n"
    "  import TIPO ANTIGO.bin -o NOVO.vly    importa um layout antigo (*.bin)\n"
    "  image ARQUIVO.vly [-o SAIDA.bin]      imagem de 512 bytes gravada num teclado USB\n"
    "  diff A B                              compara dois layouts ou duas imagens\n"
    "  write ARQUIVO.vly [--wait] [--log ARQUIVO.csv]\n"
    "                                        grava o layout no teclado\n"
    "\n"
    "Use \"lavrix-cli COMANDO --help\" para a ajuda de cada comando.\n";

constexpr std::string_view kShowHelp =
    "Uso: lavrix-cli show ARQUIVO.vly [--page N]\n"
    "\n"
    "Mostra o modelo, o nível de proteção e o lembrete do layout (nunca a senha) e cada página\n"
    "como a matriz do modelo: uma célula por posição visível, com o texto que o editor mostra.\n"
    "Cada linha começa pelo número da sua primeira posição. As posições ocultas que guardam\n"
    "um código são listadas abaixo da página. Um arquivo \"Só Gravação\" com senha própria\n"
    "não tem as posições mostradas, como no editor.\n"
    "\n"
    "  --page N   mostra só a página N (1 a 4)\n";

constexpr std::string_view kImageHelp =
    "Uso: lavrix-cli image ARQUIVO.vly [-o SAIDA.bin]\n"
    "\n"
    "Calcula os 512 bytes que a gravação do layout deixa na EEPROM de um teclado USB e os\n"
    "mostra em hexadecimal, 16 por linha, cada linha começando pelo seu endereço.\n"
    "\n"
    "  -o SAIDA.bin   grava os 512 bytes no arquivo em vez de mostrá-los\n";

constexpr std::string_view kDiffHelp =
    "Uso: lavrix-cli diff A B\n"
    "\n"
    "Compara dois layouts (*.vly) por página e posição, ou duas imagens de 512 bytes por\n"
    "endereço. Um layout comparado com uma imagem é comparado pela imagem que sua gravação\n"
    "deixa no teclado. Mostra uma linha por diferença.\n";

constexpr std::string_view kWriteHelp =
    "Uso: lavrix-cli write ARQUIVO.vly [--wait] [--log ARQUIVO.csv]\n"
    "\n"
    "Grava o layout no teclado pela biblioteca Varno, como o botão \"Gravar Teclado\" do\n"
    "editor: os mesmos blocos, na mesma ordem, com as mesmas pausas. Layouts protegidos são\n"
    "gravados como no editor. Só há sucesso quando a Varno confirma que o teclado recebeu o\n"
    "layout.\n"
    "\n"
    "  --wait           espera um teclado USB ser conectado, grava-o e espera o próximo,\n"
    "                   até Ctrl+C; conecte um teclado por vez e retire-o depois da gravação\n"
    "  --log ARQ.csv    acrescenta uma linha por teclado: hora, modelo, arquivo de layout,\n"
    "                   CRC-32 da imagem (o mesmo de \"image -o\") e resultado\n";

std::string ImportHelp() {
  std::string text =
      "Uso: lavrix-cli import TIPO ANTIGO.bin -o NOVO.vly\n"
      "\n"
      "Importa um layout antigo como o comando \"Importar\" do editor e salva o arquivo que o\n"
      "editor salvaria logo depois (sem senha própria, proteção Livre). TIPO é o número ou o\n"
      "texto do botão da importação:\n"
      "\n"
      "  Tipo  Tamanho  Modelo  Botão\n";
  char numbers[40];
  for (const OldLayoutButton& button : OldLayoutButtons()) {
    std::snprintf(numbers, sizeof numbers, "  %4d  %7zu  %6d  ", button.kind, button.fileLength,
                  button.model);
    text += numbers + std::string(button.caption) + "\n";
  }
  return text;
}

}  // namespace

std::string HelpText(std::optional<Command> command) {
  std::string text;
  if (!command) {
    text = kProgramHelp;
  } else {
    switch (*command) {
      case Command::Show:
        text = kShowHelp;
        break;
      case Command::Import:
        text = ImportHelp();
        break;
      case Command::Image:
        text = kImageHelp;
        break;
      case Command::Diff:
        text = kDiffHelp;
        break;
      case Command::Write:
        text = kWriteHelp;
        break;
    }
  }
  return text + "\n" + std::string(kStatuses);
}

}  // namespace lavrix::cli
