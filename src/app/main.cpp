#include "app/Job.h"
#include "platform/Console.h"

int main(int argc, char** argv) {
    return orv::RunJob(orv::CommandLineArguments(argc, argv));
}
